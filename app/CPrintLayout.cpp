#include "app/CPrintLayout.h"

#include "platform/CPen.h"
#include "print/PageGeometry.h"
#include "print/PrintoutContent.h"

#include <QFileInfo>
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
        const int width = layout.MeasureText(text).cx;
        if (width > widestWidth) {
            widest = text;
            widestWidth = width;
        }
    }
    return widest;
}

} // namespace

int CPrintLayout::ApplyPageMapping()
{
    m_printerDC.SetMapMode(MM_ANISOTROPIC);
    m_pageWidth = LogicalUnitsFromMm(m_printerDC.GetDeviceCaps(HORZSIZE));
    m_pageHeight = LogicalUnitsFromMm(m_printerDC.GetDeviceCaps(VERTSIZE));
    m_printerDC.SetWindowExt(m_pageWidth, m_pageHeight);
    m_printerDC.SetViewportExt(m_printerDC.GetDeviceCaps(HORZRES), m_printerDC.GetDeviceCaps(VERTRES));
    m_printerDC.SetViewportOrg(0, 0);
    return 1;
}

int CPrintLayout::CreatePrintFonts(int baseSize)
{
    for (int index = 0; index < kPrintFontCount; ++index) {
        const PrintFontEntry& entry = kPrintFonts[index];
        m_fonts[index].CreateFont(baseSize + entry.heightAboveBase, 0, 0, 0, entry.weight, 0, 0, 0,
                                  DEFAULT_CHARSET, OUT_CHARACTER_PRECIS, CLIP_CHARACTER_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, entry.face);
    }
    return 1;
}

// The printer gets its own font back first, so no print font is selected
// when the fonts go.
int CPrintLayout::ReleasePrintFonts()
{
    if (m_previousFont) {
        m_printerDC.SelectObject(m_previousFont);
        m_previousFont = nullptr;
    }
    for (CFont& font : m_fonts)
        font.DeleteObject();
    return 1;
}

void CPrintLayout::FillDocumentInfo(const QString& documentName)
{
    m_docInfo = DOCINFO{};
    m_docInfo.cbSize = 20;
    m_docInfo.lpszDocName = documentName;
}

void CPrintLayout::SwitchToFont(int index)
{
    m_previousFont = m_printerDC.SelectObject(&m_fonts[index]);
}

void CPrintLayout::SwitchBack()
{
    m_printerDC.SelectObject(m_previousFont);
}

int CPrintLayout::DrawTextInRect(CDC* dc, int left, int top, int right, int bottom,
                                 const QString& text, unsigned format, int lineHeight)
{
    if (text.isEmpty())
        return lineHeight;
    RECT rect{left, top, right, bottom};
    const int textHeight = dc->DrawText(text, &rect, format);
    // Only a wrapped or measured text knows its own height; a single line
    // moves down by the height the caller measured for it.
    if (format & (DT_CALCRECT | DT_WORDBREAK))
        return textHeight;
    return lineHeight;
}

int CPrintLayout::DrawRule(CDC* dc, int x1, int x2, int y, int width)
{
    CPen pen;
    pen.CreatePen(PS_SOLID, width, RGB(0, 0, 0));
    CPen* const previousPen = dc->SelectObject(&pen);
    dc->MoveTo(x1, y + width);
    dc->LineTo(x2, y + width);
    dc->SelectObject(previousPen);
    pen.DeleteObject();
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

void CPrintLayout::PreparePrintout(HDC printer, int topMargin, int baseSize, const QString& documentName)
{
    m_printerDC.Attach(std::move(printer));
    StagePdfFile();
    m_topMargin = topMargin;
    m_columnLeft = 0;
    m_columnClosed = false;
    m_pageHasText = false;
    m_printerDC.SetBkMode(TRANSPARENT);
    FillDocumentInfo(documentName);
    CreatePrintFonts(baseSize);
}

int CPrintLayout::MeasureColumnWidth()
{
    SwitchToFont(kHeadingFont);
    const int width = MeasureText(kColumnWidthSample).cx;
    SwitchBack();
    return width;
}

int CPrintLayout::FitPrintSize(int chosenSize, const QStringList& headings, const QStringList& lines, int indent)
{
    ApplyPageMapping();
    CreatePrintFonts(chosenSize);
    SwitchToFont(kHeadingFont);
    const QString widestHeading = WidestText(*this, headings);
    SwitchBack();
    SwitchToFont(kLineFont);
    const QString widestLine = WidestText(*this, lines);
    SwitchBack();

    int size = chosenSize;
    for (;; --size) {
        CreatePrintFonts(size);
        SwitchToFont(kHeadingFont);
        int widest = widestHeading.isEmpty() ? 0 : MeasureText(widestHeading).cx;
        SwitchBack();
        SwitchToFont(kLineFont);
        if (!widestLine.isEmpty())
            widest = std::max(widest, indent + MeasureText(widestLine).cx);
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
    if (m_printerDC.StartDoc(&m_docInfo) <= 0)
        return false;
    m_printerDC.StartPage();
    ApplyPageMapping();
    return true;
}

PrintOutcome CPrintLayout::FinishDocument()
{
    m_printerDC.EndPage();
    const bool whole = m_printerDC.EndDoc() > 0;
    if (!m_stagedPdf.IsStaged())
        return whole ? PrintOutcome::Printed : PrintOutcome::NotFinished;
    if (whole && m_stagedPdf.Commit())
        return PrintOutcome::Printed;
    const bool atSizeLimit = ReachesFileSizeLimit(QFileInfo(m_stagedPdf.StagedPath()).size());
    m_stagedPdf.Discard();
    return atSizeLimit ? PrintOutcome::NotFinishedAtFileSizeLimit : PrintOutcome::NotFinished;
}

void CPrintLayout::ClosePrintout()
{
    ReleasePrintFonts();
    m_printerDC.DeleteDC();
    m_stagedPdf.Discard();
}

// A PDF file is drawn into a new file beside the chosen one, which is
// replaced only by a complete printout.
void CPrintLayout::StagePdfFile()
{
    const HDC& printer = m_printerDC.GetSafeHdc();
    if (!printer || printer->outputFormat() != QPrinter::PdfFormat || printer->outputFileName().isEmpty())
        return;
    if (m_stagedPdf.Begin(printer->outputFileName()))
        printer->setOutputFileName(m_stagedPdf.StagedPath());
}

void CPrintLayout::DrawHeading(int& y, const QString& heading)
{
    m_pageHasText = true;
    SwitchToFont(kHeadingFont);
    const int height = MeasureText(heading).cy;
    y += DrawTextInRect(&m_printerDC, m_columnLeft, m_topMargin + y, m_columnLeft + m_columnWidth,
                        m_topMargin + y + height, heading, DT_NOPREFIX, height);
    SwitchBack();
}

void CPrintLayout::DrawLines(int& y, const QStringList& lines, int indent)
{
    SwitchToFont(kLineFont);
    for (const QString& line : lines) {
        const int height = MeasureText(line).cy;
        y += DrawTextInRect(&m_printerDC, m_columnLeft + indent, m_topMargin + y,
                            m_columnLeft + m_columnWidth, m_topMargin + y + height, line,
                            DT_NOPREFIX, height);
    }
    SwitchBack();
}

int CPrintLayout::BlockHeight(const QString& heading, const QStringList& lines)
{
    SwitchToFont(kHeadingFont);
    int height = MeasureText(heading).cy;
    SwitchBack();
    SwitchToFont(kLineFont);
    for (const QString& line : lines)
        height += MeasureText(line).cy;
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
    SwitchToFont(kLineFont);
    for (const QString& line : lines) {
        const int height = MeasureText(line).cy;
        // A column that holds no line of the block yet keeps the line, cut
        // or not: moving on would find no roomier column.
        if (y > part.linesTop && EndsBelowPage(m_topMargin, y, height, m_pageHeight)) {
            SwitchBack();
            MoveToNextColumn(y, newPageTopMargin);
            part.top = y;
            DrawHeading(y, heading);
            part.linesTop = y;
            SwitchToFont(kLineFont);
        }
        y += DrawTextInRect(&m_printerDC, m_columnLeft + indent, m_topMargin + y, m_columnLeft + m_columnWidth,
                            m_topMargin + y + height, line, DT_NOPREFIX, height);
    }
    SwitchBack();
    return part;
}

QString PrintSizeNote(const QString& printout, int printedSize, int chosenSize)
{
    if (printedSize == chosenSize)
        return QString();
    return QStringLiteral("%1 printed at size %2: size %3 does not fit the page")
        .arg(printout)
        .arg(printedSize)
        .arg(chosenSize);
}
