// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer/CPrintLayout.h"

#include "print/PageGeometry.h"
#include "support/PdfPrinter.h"
#include "support/QtPrinters.h"
#include "support/RecordedDrawing.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A layout printing to a PDF sheet of the given size, its first page started
// and mapped, as a printout has it when it begins to draw.
class LayoutOnSheet : public testing::Test {
protected:
    void Open(QSizeF sheetMm = {210, 297})
    {
        ASSERT_TRUE(m_dir.isValid());
        m_layout.m_printerDC.Attach(MakePdfPrinter(m_dir.filePath("layout.pdf"), sheetMm));
        ASSERT_TRUE(m_layout.m_printerDC.StartDoc("Layout"));
        m_layout.m_printerDC.StartPage();
        m_layout.ApplyPageMapping();
    }

    void TearDown() override { m_layout.ClosePrintout(); }

    // The cell height a text comes out at in a print font.
    int CellIn(const PrintFont& font, const QString& text)
    {
        m_layout.SwitchToFont(font);
        const int height = m_layout.MeasureText(text).height();
        m_layout.SwitchBack();
        return height;
    }

    QTemporaryDir m_dir;
    CPrintLayout m_layout;
    RecordedDrawing m_trace{m_layout.m_printerDC};
};

} // namespace

TEST(PageGeometry, DropsTheFractionOfALogicalUnit)
{
    EXPECT_EQ(LogicalUnitsFromMm(210), 594);
    EXPECT_EQ(LogicalUnitsFromMm(297), 840);
    EXPECT_EQ(LogicalUnitsFromMm(203), 574);
}

TEST_F(LayoutOnSheet, MapsAnA4SheetToAPageOf594By840)
{
    Open();
    EXPECT_EQ(m_layout.m_pageWidth, 594);
    EXPECT_EQ(m_layout.m_pageHeight, 840);
}

TEST_F(LayoutOnSheet, MapsANarrowerSheetToANarrowerPage)
{
    Open({203, 297});
    EXPECT_EQ(m_layout.m_pageWidth, 574);
}

// Headings come out four steps above the base size and in bold, every other
// line two above, over the whole range of base sizes.
TEST_F(LayoutOnSheet, DrawsHeadingsBoldFourAboveTheBaseAndLinesTwoAbove)
{
    Open();
    for (const int base : {8, 9, 72}) {
        m_layout.CreatePrintFonts(base);
        EXPECT_EQ(CellIn(m_layout.m_headingFont, "Round 01  Heat 01"), base + 4) << "base " << base;
        EXPECT_EQ(CellIn(m_layout.m_lineFont, "  [35] Novák, Jan \n"), base + 2) << "base " << base;
    }
    m_layout.m_columnWidth = 300;
    int y = 0;
    m_layout.DrawHeading(y, "Round 01  Heat 01");
    m_layout.DrawLines(y, {"  [35] Novák, Jan \n"}, 16);
    ASSERT_EQ(m_trace.texts.size(), 2u);
    EXPECT_EQ(m_trace.texts[0].face, QString("Arial"));
    EXPECT_TRUE(m_trace.texts[0].bold);
    EXPECT_EQ(m_trace.texts[1].face, QString("Arial"));
    EXPECT_FALSE(m_trace.texts[1].bold);
    EXPECT_EQ(y, 76 + 74);
}

TEST_F(LayoutOnSheet, ClosingThePrintoutGivesThePrinterItsOwnFontBack)
{
    Open();
    const int deviceCell = m_layout.MeasureText("X").height();
    m_layout.CreatePrintFonts(9);
    m_layout.SwitchToFont(m_layout.m_headingFont);
    ASSERT_EQ(m_layout.MeasureText("X").height(), 13);
    m_layout.ClosePrintout();

    EXPECT_NE(deviceCell, 13);
    EXPECT_EQ(m_layout.MeasureText("X").height(), deviceCell);
}

TEST_F(LayoutOnSheet, AdvancesToTheNextColumnWhileOneMoreFitsStrictly)
{
    Open();
    m_layout.m_topMargin = 32;
    m_layout.m_columnLeft = 200;
    m_layout.m_columnWidth = 196;  // 200 + 2 × 196 is one unit short of the page width
    int y = 500;
    m_layout.AdvanceColumn(y, 0);
    EXPECT_EQ(m_layout.m_columnLeft, 396);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(m_layout.m_topMargin, 32);
    EXPECT_EQ(m_trace.pagesStarted, 1);
    EXPECT_EQ(m_trace.pagesEnded, 0);
}

TEST_F(LayoutOnSheet, StartsANewPageWhenTheNextColumnWouldEndAtTheEdge)
{
    Open();
    m_layout.m_topMargin = 0;
    m_layout.m_columnLeft = 200;
    m_layout.m_columnWidth = 197;  // 200 + 2 × 197 is exactly the page width
    m_layout.m_pageHeight = 0;     // the new page maps itself again
    m_layout.m_pageHasText = true;
    int y = 500;
    m_layout.AdvanceColumn(y, 32);
    EXPECT_EQ(m_layout.m_columnLeft, 0);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(m_layout.m_topMargin, 32);
    EXPECT_EQ(m_layout.m_pageHeight, 840);
    EXPECT_EQ(m_trace.pagesEnded, 1);
    EXPECT_EQ(m_trace.pagesStarted, 2);
}

TEST_F(LayoutOnSheet, DrawsAHairlineRuleAtYAndAWideRuleBelowIt)
{
    Open();
    EXPECT_EQ(m_layout.DrawRule(10, 200, 100, 0), 1);
    EXPECT_EQ(m_layout.DrawRule(10, 200, 100, 3), 3);

    ASSERT_EQ(m_trace.lines.size(), 2u);
    EXPECT_EQ(m_trace.lines[0].from, (QPoint(10, 100)));
    EXPECT_EQ(m_trace.lines[0].to, (QPoint(200, 100)));
    EXPECT_EQ(m_trace.lines[0].penWidth, 0);
    EXPECT_EQ(m_trace.lines[1].from, (QPoint(10, 103)));
    EXPECT_EQ(m_trace.lines[1].to, (QPoint(200, 103)));
    EXPECT_EQ(m_trace.lines[1].penWidth, 3);
}

TEST_F(LayoutOnSheet, DrawsNothingForAnEmptyTextButStillAdvances)
{
    Open();
    m_layout.CreatePrintFonts(9);
    m_layout.SwitchToFont(m_layout.m_lineFont);
    int y = 20;
    m_layout.DrawLine(y, "", 0);
    EXPECT_EQ(y, 20 + 11);
    EXPECT_TRUE(m_trace.texts.empty());
}

// A line that ends exactly at the page's right edge is inside the page: it
// prints at the size asked, with no note; one unit more, and it does not.
TEST_F(LayoutOnSheet, LineExactlyAsWideAsThePagePrintsAtTheSizeAsked)
{
    Open();
    const QStringList lines{QStringLiteral("Šťastný, Ivo (56): 1/3, 2/1, 3/2, 4/3, 5/1, 6/2")};
    for (const int asked : {9, 14, 24}) {
        m_layout.CreatePrintFonts(asked);
        m_layout.SwitchToFont(m_layout.m_lineFont);
        const int indent = m_layout.m_pageWidth - m_layout.MeasureText(lines[0]).width();
        m_layout.SwitchBack();
        ASSERT_GT(indent, 0) << asked;
        const int printed = m_layout.FitPrintSize(asked, {}, lines, indent);
        EXPECT_EQ(printed, asked);
        EXPECT_EQ(PrintSizeNote(QStringLiteral("Matrix"), printed, asked), QString()) << asked;
        const int wider = m_layout.FitPrintSize(asked, {}, lines, indent + 1);
        EXPECT_LT(wider, asked);
        EXPECT_NE(PrintSizeNote(QStringLiteral("Matrix"), wider, asked), QString()) << asked;
    }
}
