#include "app/CPrintLayout.h"

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
        m_layout.FillDocumentInfo("Layout");
        ASSERT_GT(m_layout.m_printerDC.StartDoc(&m_layout.m_docInfo), 0);
        m_layout.m_printerDC.StartPage();
        m_layout.ApplyPageMapping();
    }

    void TearDown() override
    {
        m_layout.ReleasePrintFonts();
        m_layout.m_printerDC.DeleteDC();
    }

    LOGFONT FontAt(int index) const
    {
        LOGFONT logFont;
        m_layout.m_fonts[index].GetLogFont(&logFont);
        return logFont;
    }

    QTemporaryDir m_dir;
    RecordedDrawing m_trace;
    CPrintLayout m_layout;
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

TEST_F(LayoutOnSheet, CreatesTheFontTableForTheBaseSize)
{
    Open();
    struct Expectation {
        int base;
        std::array<int, 4> heights;
    };
    for (const Expectation& expected : {Expectation{8, {8, 9, 10, 12}}, Expectation{72, {72, 73, 74, 76}}}) {
        m_layout.CreatePrintFonts(expected.base);
        for (int step = 0; step < 4; ++step) {
            EXPECT_EQ(FontAt(step).lfHeight, expected.heights[step]) << "regular " << step;
            EXPECT_EQ(FontAt(step).lfWeight, FW_NORMAL);
            EXPECT_EQ(FontAt(4 + step).lfHeight, expected.heights[step]) << "bold " << step;
            EXPECT_EQ(FontAt(4 + step).lfWeight, FW_BOLD);
        }
        for (int step = 0; step < 3; ++step)
            EXPECT_EQ(FontAt(8 + step).lfHeight, expected.heights[step]) << "Verdana " << step;
        m_layout.ReleasePrintFonts();
    }
}

TEST_F(LayoutOnSheet, DrawsHeadingsBoldAt13AndLinesAt11ForBase9)
{
    Open();
    m_layout.CreatePrintFonts(9);
    EXPECT_EQ(FontAt(kHeadingFont).lfFaceName, QString("Arial"));
    EXPECT_EQ(FontAt(kHeadingFont).lfHeight, 13);
    EXPECT_EQ(FontAt(kHeadingFont).lfWeight, FW_BOLD);
    EXPECT_EQ(FontAt(kLineFont).lfHeight, 11);
    EXPECT_EQ(FontAt(kLineFont).lfWeight, FW_NORMAL);
    EXPECT_EQ(FontAt(8).lfFaceName, QString("Verdana"));

    m_layout.SwitchToFont(kHeadingFont);
    EXPECT_EQ(m_layout.MeasureText("Round 01  Heat 01").cy, 13);
    m_layout.SwitchBack();
    m_layout.SwitchToFont(kLineFont);
    EXPECT_EQ(m_layout.MeasureText("  [35] Novák, Jan \n").cy, 11);
    m_layout.SwitchBack();
}

TEST_F(LayoutOnSheet, ReleasingTheFontsGivesThePrinterItsOwnFontBack)
{
    Open();
    const int deviceCell = m_layout.MeasureText("X").cy;
    m_layout.CreatePrintFonts(9);
    m_layout.SwitchToFont(kHeadingFont);
    ASSERT_EQ(m_layout.MeasureText("X").cy, 13);
    m_layout.ReleasePrintFonts();

    for (const CFont& font : m_layout.m_fonts)
        EXPECT_FALSE(font.HasHandle());
    EXPECT_NE(deviceCell, 13);
    EXPECT_EQ(m_layout.MeasureText("X").cy, deviceCell);
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
    EXPECT_EQ(m_layout.DrawRule(&m_layout.m_printerDC, 10, 200, 100, 0), 1);
    EXPECT_EQ(m_layout.DrawRule(&m_layout.m_printerDC, 10, 200, 100, 3), 3);

    ASSERT_EQ(m_trace.lines.size(), 2u);
    EXPECT_EQ(m_trace.lines[0].from, (CPoint{10, 100}));
    EXPECT_EQ(m_trace.lines[0].to, (CPoint{200, 100}));
    EXPECT_EQ(m_trace.lines[0].penWidth, 0);
    EXPECT_EQ(m_trace.lines[1].from, (CPoint{10, 103}));
    EXPECT_EQ(m_trace.lines[1].to, (CPoint{200, 103}));
    EXPECT_EQ(m_trace.lines[1].penWidth, 3);
}

TEST_F(LayoutOnSheet, DrawsNothingForAnEmptyTextButStillAdvances)
{
    Open();
    EXPECT_EQ(m_layout.DrawTextInRect(&m_layout.m_printerDC, 0, 0, 100, 13, "", DT_NOPREFIX, 13), 13);
    EXPECT_TRUE(m_trace.texts.empty());
}
