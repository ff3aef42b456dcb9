#include "print/CPrintLayout.h"

#include "platform/CPen.h"
#include "print/PageGeometry.h"

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
        const PrintFontSpec& spec = kPrintFonts[index];
        m_fonts[index].CreateFont(baseSize + spec.heightAboveBase, 0, 0, 0, spec.weight, 0, 0, 0,
                                  DEFAULT_CHARSET, OUT_CHARACTER_PRECIS, CLIP_CHARACTER_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, spec.face);
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
