#include "app/CPrintLayout.h"

#include "print/PageGeometry.h"

#include <QPen>

namespace {

// The widest heading a column must hold sets the width of every column.
const char* const kColumnWidthSample = "Combat Event - Round 01  Heat 01";
// Both printouts are listed by the system under this one name.
const char* const kDocumentName = "Heat Cards";

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

void CPrintLayout::PreparePrintout(SharedPrinter printer, int topMargin, int baseSize)
{
    m_printerDC.Attach(std::move(printer));
    m_topMargin = topMargin;
    m_columnLeft = 0;
    CreatePrintFonts(baseSize);
}

int CPrintLayout::MeasureColumnWidth()
{
    SwitchToFont(m_headingFont);
    const int width = MeasureText(kColumnWidthSample).width();
    SwitchBack();
    return width;
}

bool CPrintLayout::StartFirstPage()
{
    if (!m_printerDC.StartDoc(kDocumentName))
        return false;
    m_printerDC.StartPage();
    ApplyPageMapping();
    return true;
}

PrintOutcome CPrintLayout::FinishDocument()
{
    m_printerDC.EndPage();
    return m_printerDC.EndDoc() ? PrintOutcome::Printed : PrintOutcome::NotFinished;
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
    if (y > 0 && EndsBelowPage(m_topMargin, y, height, m_pageHeight))
        AdvanceColumn(y, newPageTopMargin);
}
