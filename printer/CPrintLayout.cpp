// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer/CPrintLayout.h"

#include "print/PageGeometry.h"
#include "print/PrintoutContent.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPen>
#include <QPrinter>
#include <algorithm>

namespace {

// The widest heading a column must hold sets the width of every column.
const char* const kColumnWidthSample = "Combat Event - Round 01  Heat 01";

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
    m_pageHeight = LogicalUnitsFromMm(printable.height());
    m_printerDC.MapPage(QSize(m_pageWidth, m_pageHeight));
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
    m_topMargin = newPageTopMargin;
    m_columnLeft = 0;
    if (!m_pageHasText)
        return;
    m_printerDC.EndPage();
    m_printerDC.StartPage();
    m_pageHasText = false;
    ApplyPageMapping();
}

void CPrintLayout::PreparePrintout(SharedPrinter printer, int topMargin, int baseSize, const QString& documentName)
{
    m_printerDC.Attach(std::move(printer));
    StagePdfFile();
    m_documentName = documentName;
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
    ApplyPageMapping();
    return true;
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
