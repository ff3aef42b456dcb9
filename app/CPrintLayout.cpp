#include "app/CPrintLayout.h"

#include "platform/CPen.h"
#include "print/PageGeometry.h"

namespace {

// The widest heading a column must hold sets the width of every column.
const char* const kColumnWidthSample = "Combat Event - Round 01  Heat 01";
// Both printouts are listed by the system under this one name.
const char* const kDocumentName = "Heat Cards";

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
    if (NextColumnFits(m_columnLeft, m_columnWidth, m_pageWidth)) {
        m_columnLeft += m_columnWidth;
        y = 0;
        return;
    }
    m_printerDC.EndPage();
    y = 0;
    m_topMargin = newPageTopMargin;
    m_columnLeft = 0;
    m_printerDC.StartPage();
    ApplyPageMapping();
}

void CPrintLayout::PreparePrintout(HDC printer, int topMargin, int baseSize)
{
    m_printerDC.Attach(std::move(printer));
    m_topMargin = topMargin;
    m_columnLeft = 0;
    m_printerDC.SetBkMode(TRANSPARENT);
    FillDocumentInfo(kDocumentName);
    CreatePrintFonts(baseSize);
}

int CPrintLayout::MeasureColumnWidth()
{
    SwitchToFont(kHeadingFont);
    const int width = MeasureText(kColumnWidthSample).cx;
    SwitchBack();
    return width;
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
    return m_printerDC.EndDoc() > 0 ? PrintOutcome::Printed : PrintOutcome::NotFinished;
}

void CPrintLayout::ClosePrintout()
{
    ReleasePrintFonts();
    m_printerDC.DeleteDC();
}

void CPrintLayout::DrawHeading(int& y, const QString& heading)
{
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
    if (y > 0 && EndsBelowPage(m_topMargin, y, height, m_pageHeight))
        AdvanceColumn(y, newPageTopMargin);
}
