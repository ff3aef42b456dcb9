// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer/CPrintLayout.h"

#include "print/PageGeometry.h"
#include "print/PageHeading.h"
#include "print/PrintoutContent.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPen>
#include <QPrinter>
#include <algorithm>

namespace {

// The widest heading a column must hold sets the width of every column.
const char* const kColumnWidthSample = "Combat Event - Round 01  Heat 01";

// The header and footer keep one size whatever the body's: a size-72 matrix
// needs its page for the heats, and the furniture reads well at these.
constexpr int kHeaderCellHeight = 11;
constexpr int kFooterCellHeight = 10;
constexpr int kSmallestHeaderCellHeight = 5;
// Free space between the header or the footer and the body.
constexpr int kFurnitureGap = 6;

// The text of the list drawn widest in the selected font. Every text of a
// font grows by the same factor with the size, so the widest at one size is
// the widest at every size.
QString WidestText(const CPrintLayout& layout, const QStringList& texts)
{
    QString widest;
    int widestWidth = -1;
    for (const QString& text : texts) {
        const int width = layout.MeasureText(text).width();
        if (width > widestWidth) {
            widest = text;
            widestWidth = width;
        }
    }
    return widest;
}

} // namespace

void CPrintLayout::ApplyPageMapping()
{
    const QSize printable = m_printerDC.PrintableMillimetres();
    m_pageWidth = LogicalUnitsFromMm(printable.width());
    m_paperHeight = LogicalUnitsFromMm(printable.height());
    // The body's page ends above the footer.
    m_pageHeight = m_paperHeight - (m_headed ? kFooterCellHeight + kFurnitureGap : 0);
    m_printerDC.MapPage(QSize(m_pageWidth, m_paperHeight));
}

void CPrintLayout::CreatePrintFonts(int baseSize)
{
    m_headingFont = PrintFont{QStringLiteral("Arial"), baseSize + 4, true};
    m_lineFont = PrintFont{QStringLiteral("Arial"), baseSize + 2, false};
}

void CPrintLayout::SwitchToFont(const PrintFont& font)
{
    m_previousFont = m_printerDC.SelectFont(font);
}

void CPrintLayout::SwitchBack()
{
    if (m_previousFont)
        m_printerDC.SelectFont(*m_previousFont);
}

int CPrintLayout::DrawRule(int x1, int x2, int y, int width)
{
    m_printerDC.DrawLine(QPoint(x1, y + width), QPoint(x2, y + width), QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap));
    // The thinnest line still takes up one unit.
    return width != 0 ? width : 1;
}

void CPrintLayout::AdvanceColumn(int& y, int newPageTopMargin)
{
    TakeClosedColumnsMove(y, newPageTopMargin);
    MoveToNextColumn(y, newPageTopMargin);
}

void CPrintLayout::TakeClosedColumnsMove(int& y, int newPageTopMargin)
{
    if (!m_columnClosed)
        return;
    m_columnClosed = false;
    MoveToNextColumn(y, newPageTopMargin);
}

void CPrintLayout::MoveToNextColumn(int& y, int newPageTopMargin)
{
    y = 0;
    if (NextColumnFits(m_columnLeft, m_columnWidth, m_pageWidth)) {
        m_columnLeft += m_columnWidth;
        return;
    }
    m_topMargin = BodyTop(newPageTopMargin);
    m_columnLeft = 0;
    if (!m_pageHasText)
        return;
    m_printerDC.EndPage();
    m_printerDC.StartPage();
    m_pageHasText = false;
    ++m_pageNumber;
    ApplyPageMapping();
    DrawPageFurniture();
}

void CPrintLayout::PreparePrintout(SharedPrinter printer, int topMargin, int baseSize, const QString& documentName)
{
    m_printerDC.Attach(std::move(printer));
    StagePdfFile();
    m_documentName = documentName;
    m_headed = false;
    m_headerText.clear();
    m_countingPages = false;
    m_pageNumber = 0;
    m_pageCount = 0;
    m_firstTopMargin = topMargin;
    m_topMargin = topMargin;
    m_columnLeft = 0;
    m_columnClosed = false;
    m_pageHasText = false;
    CreatePrintFonts(baseSize);
}

// A PDF file is drawn into a new file beside the chosen one, which is
// replaced only by a complete printout.
void CPrintLayout::StagePdfFile()
{
    m_pdfFileError = 0;
    const SharedPrinter& printer = m_printerDC.Printer();
    if (!printer || printer->outputFormat() != QPrinter::PdfFormat || printer->outputFileName().isEmpty())
        return;
    if (m_stagedPdf.Begin(printer->outputFileName()))
        printer->setOutputFileName(m_stagedPdf.StagedPath());
    else
        m_pdfFileError = m_stagedPdf.BeginError();
}

int CPrintLayout::MeasureColumnWidth()
{
    SwitchToFont(m_headingFont);
    const int width = MeasureText(kColumnWidthSample).width();
    SwitchBack();
    return width;
}

int CPrintLayout::FitPrintSize(int chosenSize, const QStringList& headings, const QStringList& lines, int indent)
{
    ApplyPageMapping();
    CreatePrintFonts(chosenSize);
    SwitchToFont(m_headingFont);
    const QString widestHeading = WidestText(*this, headings);
    SwitchBack();
    SwitchToFont(m_lineFont);
    const QString widestLine = WidestText(*this, lines);
    SwitchBack();

    for (int size = chosenSize;; --size) {
        CreatePrintFonts(size);
        SwitchToFont(m_headingFont);
        int widest = widestHeading.isEmpty() ? 0 : MeasureText(widestHeading).width();
        SwitchBack();
        SwitchToFont(m_lineFont);
        if (!widestLine.isEmpty())
            widest = std::max(widest, indent + MeasureText(widestLine).width());
        SwitchBack();
        // Lines that do not fit even at the smallest size are drawn at it.
        if (widest <= m_pageWidth || size <= kSmallestBaseFontSize) {
            m_columnWidth = std::max(MeasureColumnWidth(), widest);
            return size;
        }
    }
}

bool CPrintLayout::StartFirstPage()
{
    if (!m_printerDC.StartDoc(m_documentName))
        return false;
    m_printerDC.StartPage();
    m_pageNumber = 1;
    ApplyPageMapping();
    DrawPageFurniture();
    return true;
}

void CPrintLayout::HeadPages(const QString& headerText)
{
    m_headed = true;
    m_headerText = headerText;
    m_firstTopMargin = BodyTop(m_firstTopMargin);
    m_topMargin = m_firstTopMargin;
}

int CPrintLayout::HeaderBand() const
{
    return m_headed ? kHeaderCellHeight + kFurnitureGap : 0;
}

// A printout's own top margin (room to pin the sheet up) may hold the
// header; the body never starts higher than the header's band.
int CPrintLayout::BodyTop(int topMargin) const
{
    return std::max(topMargin, HeaderBand());
}

void CPrintLayout::RestartFlow()
{
    m_topMargin = m_firstTopMargin;
    m_columnLeft = 0;
    m_columnClosed = false;
    m_pageHasText = false;
    m_pageNumber = 1;
    ApplyPageMapping();
}

PrintOutcome CPrintLayout::PrintBody(const DrawBody& drawBody)
{
    m_pageCount = 1;
    if (m_headed) {
        m_countingPages = true;
        RestartFlow();
        int y = 0;
        drawBody(y);
        m_pageCount = m_pageNumber;
        m_countingPages = false;
        RestartFlow();
    }
    if (!StartFirstPage())
        return PrintOutcome::NotStarted;
    int y = 0;
    drawBody(y);
    return FinishDocument();
}

// The header at the top left, shrunk until a long contest name fits the
// width; the footer at the foot, against the right edge.
void CPrintLayout::DrawPageFurniture()
{
    if (!m_headed || m_countingPages)
        return;
    // The furniture may come between a block's fonts: the font in use is
    // given back as it was.
    int headerHeight = kHeaderCellHeight;
    const PrintFont bodyFont = m_printerDC.SelectFont({QStringLiteral("Arial"), headerHeight, false});
    while (MeasureText(m_headerText).width() > m_pageWidth && headerHeight > kSmallestHeaderCellHeight)
        m_printerDC.SelectFont({QStringLiteral("Arial"), --headerHeight, false});
    m_printerDC.DrawText(m_headerText, {0, 0, m_pageWidth, headerHeight});

    m_printerDC.SelectFont({QStringLiteral("Arial"), kFooterCellHeight, false});
    const QString footer = PageFooterText(m_pageNumber, m_pageCount);
    const int footerLeft = std::max(0, m_pageWidth - MeasureText(footer).width());
    m_printerDC.DrawText(footer, {footerLeft, m_paperHeight - kFooterCellHeight, m_pageWidth, m_paperHeight});
    m_printerDC.SelectFont(bodyFont);
}

PrintOutcome CPrintLayout::FinishDocument()
{
    m_printerDC.EndPage();
    const bool whole = m_printerDC.EndDoc();
    if (!m_stagedPdf.IsStaged())
        return whole ? PrintOutcome::Printed : PrintOutcome::NotFinished;
    if (whole && m_stagedPdf.Commit())
        return PrintOutcome::Printed;
    const bool atSizeLimit = ReachesFileSizeLimit(QFileInfo(m_stagedPdf.StagedPath()).size());
    m_stagedPdf.Discard();
    return atSizeLimit ? PrintOutcome::NotFinishedAtFileSizeLimit : PrintOutcome::NotFinished;
}

// Deselecting the print fonts first leaves the printer's own font selected
// when the printer goes.
void CPrintLayout::ClosePrintout()
{
    if (m_previousFont) {
        m_printerDC.SelectFont(*m_previousFont);
        m_previousFont.reset();
    }
    m_printerDC.DeleteDC();
    m_stagedPdf.Discard();
}

// One line from the column's left edge plus the indent, in the selected font;
// y moves down by the line's cell height, an empty line too.
void CPrintLayout::DrawLine(int& y, const QString& text, int indent)
{
    const int height = MeasureText(text).height();
    if (!text.isEmpty())
        m_printerDC.DrawText(text, {m_columnLeft + indent, m_topMargin + y, m_columnLeft + m_columnWidth,
                                    m_topMargin + y + height});
    y += height;
}

void CPrintLayout::DrawHeading(int& y, const QString& heading)
{
    m_pageHasText = true;
    SwitchToFont(m_headingFont);
    DrawLine(y, heading, 0);
    SwitchBack();
}

void CPrintLayout::DrawLines(int& y, const QStringList& lines, int indent)
{
    SwitchToFont(m_lineFont);
    for (const QString& line : lines)
        DrawLine(y, line, indent);
    SwitchBack();
}

int CPrintLayout::BlockHeight(const QString& heading, const QStringList& lines)
{
    SwitchToFont(m_headingFont);
    int height = MeasureText(heading).height();
    SwitchBack();
    SwitchToFont(m_lineFont);
    for (const QString& line : lines)
        height += MeasureText(line).height();
    SwitchBack();
    return height;
}

void CPrintLayout::AdvanceIfItWouldNotFit(int& y, int height, int newPageTopMargin)
{
    TakeClosedColumnsMove(y, newPageTopMargin);
    if (y > 0 && EndsBelowPage(m_topMargin, y, height, m_pageHeight))
        MoveToNextColumn(y, newPageTopMargin);
}

CPrintLayout::BlockPart CPrintLayout::DrawBlock(int& y, const QString& heading, const QStringList& lines, int indent,
                                                int reserveBelow, int newPageTopMargin)
{
    AdvanceIfItWouldNotFit(y, BlockHeight(heading, lines) + reserveBelow, newPageTopMargin);
    BlockPart part{y, 0};
    DrawHeading(y, heading);
    part.linesTop = y;
    SwitchToFont(m_lineFont);
    for (const QString& line : lines) {
        // A column that holds no line of the block yet keeps the line, cut
        // or not: moving on would find no roomier column.
        if (y > part.linesTop && EndsBelowPage(m_topMargin, y, MeasureText(line).height(), m_pageHeight)) {
            SwitchBack();
            MoveToNextColumn(y, newPageTopMargin);
            part.top = y;
            DrawHeading(y, heading);
            part.linesTop = y;
            SwitchToFont(m_lineFont);
        }
        DrawLine(y, line, indent);
    }
    SwitchBack();
    return part;
}

QString PrintSizeNote(const QString& printout, int printedSize, int chosenSize)
{
    if (printedSize == chosenSize)
        return QString();
    return QCoreApplication::translate("Printout", "%1 printed at size %2: size %3 does not fit the page")
        .arg(printout)
        .arg(printedSize)
        .arg(chosenSize);
}
