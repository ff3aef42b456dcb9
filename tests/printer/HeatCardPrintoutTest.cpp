// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer/HeatCardPrintout.h"

#include "printer/CPrintLayout.h"
#include "support/PdfPrinter.h"
#include "support/PrintoutTrace.h"
#include "support/PrintoutFixture.h"
#include "support/QtPrinters.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

HeatCard Card(const QString& heading, int rounds)
{
    HeatCard card{heading, {}};
    for (int round = 1; round <= rounds; ++round)
        card.heatTexts << QString("Round %1, Heat 02").arg(round, 2, 10, QChar('0'));
    return card;
}

class HeatCardPrintout : public PrintoutFixture {
protected:
    void Print(const std::vector<HeatCard>& cards, int baseFontSize = 9)
    {
        ASSERT_TRUE(m_dir.isValid());
        PrintHeatCards(m_layout, MakePdfPrinter(PdfPath()), baseFontSize, cards, KeepStatuses());
    }
};

} // namespace

TEST_F(HeatCardPrintout, DrawsEachCardAsHeadingHeatLinesAndARule)
{
    Print({Card("Novák, Jan (35)", 3), Card("Adams, Eva (40)", 3)});

    ASSERT_EQ(m_trace.texts.size(), 8u);
    EXPECT_EQ(m_trace.texts[0].text, QString("Novák, Jan (35)"));
    EXPECT_EQ(m_trace.texts[0].rect, (TextBox{0, 0, ColumnWidth(), 13}));
    EXPECT_TRUE(m_trace.texts[0].bold);
    for (int line = 1; line <= 3; ++line) {
        const TracedText& heat = m_trace.texts[line];
        EXPECT_EQ(heat.text, "       " + Card("", 3).heatTexts[line - 1]);
        EXPECT_EQ(heat.rect, (TextBox{16, 13 + 11 * (line - 1), ColumnWidth(), 13 + 11 * line}));
        EXPECT_EQ(heat.height, 11);
    }
    // The rule lies right under the last heat line; the next card follows
    // its one unit and a gap of ten.
    ASSERT_EQ(m_trace.lines.size(), 2u);
    EXPECT_EQ(m_trace.lines[0].from, (QPoint(0, 46)));
    EXPECT_EQ(m_trace.lines[0].to, (QPoint(ColumnWidth(), 46)));
    EXPECT_EQ(m_trace.lines[0].penWidth, 0);
    EXPECT_EQ(m_trace.texts[4].text, QString("Adams, Eva (40)"));
    EXPECT_EQ(m_trace.texts[4].rect.top, 46 + 1 + 10);
}

TEST_F(HeatCardPrintout, PutsTheRuleRightUnderTheHeadingOfACardWithoutHeats)
{
    Print({Card("Novák, Jan (35)", 0)});

    ASSERT_EQ(m_trace.texts.size(), 1u);
    ASSERT_EQ(m_trace.lines.size(), 1u);
    EXPECT_EQ(m_trace.lines[0].from.y(), 13);
}

TEST_F(HeatCardPrintout, StartsEveryColumnAtTheTopOfThePage)
{
    // A card of 3 heats takes 13 + 33 + 11 units; the overflow test counts 44.
    std::vector<HeatCard> cards(20, Card("Pilot, Some (35)", 3));
    Print(cards);

    const std::vector<TracedText> headings = TracedHeadings(m_trace);
    ASSERT_EQ(headings.size(), 20u);
    // Cards end at 57 n; the column closes after the 14th (798 + 44 > 840).
    EXPECT_EQ(headings[13].rect.left, 0);
    EXPECT_EQ(headings[14].rect.left, ColumnWidth());
    EXPECT_EQ(headings[14].rect.top, 0);
    EXPECT_LE(LowestDrawn(m_trace), 840);
}

// Three columns of fourteen cards fill the A4 page at base size 9; the next
// card starts a new page at its very top, as the first page did.
TEST_F(HeatCardPrintout, StartsANewPageAtItsTopWhenNoFurtherColumnFits)
{
    std::vector<HeatCard> cards(50, Card("Pilot, Some (35)", 3));
    Print(cards);

    const std::vector<TracedText> headings = TracedHeadings(m_trace);
    ASSERT_EQ(headings.size(), 50u);
    const auto firstOnPage2 = std::find_if(headings.begin(), headings.end(),
                                           [](const TracedText& heading) { return heading.page == 2; });
    ASSERT_NE(firstOnPage2, headings.end());
    EXPECT_GT(std::prev(firstOnPage2)->rect.left, 0);
    EXPECT_EQ(firstOnPage2->rect.left, 0);
    EXPECT_EQ(firstOnPage2->rect.top, 0);
    EXPECT_EQ(PdfPageCount(PdfPath()), 2);
}

// Small cards fill the column; a card of twelve heats would run off the foot
// of the page, so it starts the next column.
TEST_F(HeatCardPrintout, MovesATallCardToTheNextColumnBeforeDrawingIt)
{
    std::vector<HeatCard> cards(30, Card("Short, Card (35)", 0));
    cards.push_back(Card("Tall, Card (40)", 12));
    Print(cards);

    const std::vector<TracedText> headings = TracedHeadings(m_trace);
    ASSERT_EQ(headings.size(), 31u);
    EXPECT_EQ(headings[29].rect.left, 0);
    EXPECT_EQ(headings[30].rect.left, ColumnWidth());
    EXPECT_EQ(headings[30].rect.top, 0);
    EXPECT_LE(LowestDrawn(m_trace), 840);
}

TEST_F(HeatCardPrintout, PrintsOneEmptyPageForNoCards)
{
    Print({});

    EXPECT_EQ(m_trace.pagesStarted, 1);
    EXPECT_TRUE(m_trace.texts.empty());
    EXPECT_EQ(PdfPageCount(PdfPath()), 1);
    EXPECT_EQ(m_statuses, QStringList({""}));
}

TEST_F(HeatCardPrintout, NamesTheJobAndShowsEachCardInTheStatusLine)
{
    Print({Card("Novák, Jan (35)", 1), Card("Adams, Eva (40)", 1)});

    EXPECT_EQ(m_trace.documentName, QString("Heat Cards"));
    EXPECT_EQ(m_statuses, QStringList({"Printing Novák, Jan (35)", "Printing Adams, Eva (40)", ""}));
    EXPECT_EQ(m_layout.m_printerDC.Printer(), nullptr);
}
