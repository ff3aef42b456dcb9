// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer/MatrixPrintout.h"

#include "printer/CPrintLayout.h"
#include "matrix/CalculationResult.h"
#include "support/PdfPrinter.h"
#include "support/PrintoutTrace.h"
#include "support/PrintoutFixture.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

PilotRecord Pilot(const QString& lastName, const QString& firstName, int frequency)
{
    PilotRecord pilot;
    pilot.lastName = lastName;
    pilot.firstName = firstName;
    pilot.frequency = frequency;
    return pilot;
}

// A schedule whose heats are filled with `pilotsPerHeat` pilots each, every
// pilot its own: enough to make heats of a chosen height.
CalculationResult FilledSchedule(int rounds, int heats, int pilotsPerHeat)
{
    CalculationResult result;
    result.rounds = rounds;
    result.heats = heats;
    for (int round = 0; round < rounds; ++round)
        for (int heat = 0; heat < heats; ++heat)
            for (int slot = 0; slot < pilotsPerHeat; ++slot) {
                result.matrix.Set(round, heat, slot, static_cast<int>(result.pilots.size()));
                result.pilots.push_back(Pilot(QString("Pilot%1").arg(result.pilots.size()), "X", 35));
            }
    return result;
}

class MatrixPrintout : public PrintoutFixture {
protected:
    void Print(const CalculationResult& result, MatrixPrintOptions options = {})
    {
        ASSERT_TRUE(m_dir.isValid());
        PrintMatrix(m_layout, MakePdfPrinter(PdfPath()), options, result, KeepStatuses());
    }
};

} // namespace

TEST_F(MatrixPrintout, PrintsTheHeadingsRoundByRoundInOneFlowWithTheOptionOff)
{
    Print(FilledSchedule(2, 3, 2), {9, false});

    const std::vector<TracedText> headings = TracedHeadings(m_trace);
    EXPECT_EQ(TextsOf(headings), QStringList({"Round 01  Heat 01", "Round 01  Heat 02", "Round 01  Heat 03",
                                              "Round 02  Heat 01", "Round 02  Heat 02", "Round 02  Heat 03"}));
    // Heading 13 and two lines of 11: each block 35 units below the last, under a margin of 32.
    for (size_t index = 0; index < headings.size(); ++index) {
        EXPECT_EQ(headings[index].rect.left, 0);
        EXPECT_EQ(headings[index].rect.top, 32 + 35 * static_cast<int>(index));
        EXPECT_EQ(headings[index].rect.bottom - headings[index].rect.top, 13);
    }
    EXPECT_EQ(m_trace.pagesStarted, 1);
}

TEST_F(MatrixPrintout, IndentsThePilotLinesInTheLineFont)
{
    CalculationResult result;
    result.rounds = 1;
    result.heats = 1;
    result.pilots = {Pilot("Novák", "Jan", 35)};
    result.matrix.Set(0, 0, 0, 0);
    Print(result);

    ASSERT_EQ(m_trace.texts.size(), 2u);
    const TracedText& line = m_trace.texts[1];
    EXPECT_EQ(line.text, QString("  [35] Novák, Jan \n"));
    EXPECT_EQ(line.rect, (TextBox{16, 45, ColumnWidth(), 56}));
    EXPECT_EQ(line.face, QString("Arial"));
    EXPECT_EQ(line.height, 11);
    EXPECT_FALSE(line.bold);
}

TEST_F(MatrixPrintout, StartsEveryLaterRoundInANewColumnWithTheOptionOn)
{
    Print(FilledSchedule(3, 2, 1), {9, true});

    const std::vector<TracedText> headings = TracedHeadings(m_trace);
    ASSERT_EQ(headings.size(), 6u);
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(headings[2 * round].rect.left, round * ColumnWidth()) << "round " << round + 1;
        EXPECT_EQ(headings[2 * round].rect.top, 32);
        EXPECT_EQ(headings[2 * round + 1].rect.top, 32 + 24);
    }
}

// Five heats of twelve pilots fill a column: the fifth heat's overflow test
// moves on, and the next round moves on once more.
TEST_F(MatrixPrintout, LeavesAColumnEmptyWhenARoundsLastHeatJustMovedOn)
{
    Print(FilledSchedule(2, 5, 12), {9, true});

    const std::vector<TracedText> headings = TracedHeadings(m_trace);
    ASSERT_EQ(headings.size(), 10u);
    EXPECT_EQ(headings[4].rect.left, 0);
    EXPECT_EQ(headings[5].text, QString("Round 02  Heat 01"));
    EXPECT_EQ(headings[5].rect.left, 2 * ColumnWidth());
    EXPECT_EQ(headings[5].rect.top, 32);
    for (const TracedText& text : m_trace.texts)
        EXPECT_FALSE(text.rect.left >= ColumnWidth() && text.rect.left < 2 * ColumnWidth()) << "in the empty column";
}

TEST_F(MatrixPrintout, PrintsTheHeadingAloneForAHeatOfTwelveEmptySlots)
{
    CalculationResult result = FilledSchedule(1, 2, 0);
    Print(result);

    ASSERT_EQ(m_trace.texts.size(), 2u);
    EXPECT_EQ(m_trace.texts[0].text, QString("Round 01  Heat 01"));
    EXPECT_EQ(m_trace.texts[1].text, QString("Round 01  Heat 02"));
    EXPECT_EQ(m_trace.texts[1].rect.top, 32 + 13);
}

// Heats of a heading alone run down to the foot of the page, then comes a
// heat of twelve pilots: it starts the next column instead of running off.
TEST_F(MatrixPrintout, MovesATallHeatToTheNextColumnBeforeDrawingIt)
{
    CalculationResult result = FilledSchedule(1, 10, 0);
    result.rounds = 7;
    for (int slot = 0; slot < 12; ++slot) {
        result.matrix.Set(5, 6, slot, static_cast<int>(result.pilots.size()));
        result.pilots.push_back(Pilot("Tall", QString::number(slot), 35));
    }
    Print(result, {9, false});

    const std::vector<TracedText> headings = TracedHeadings(m_trace);
    ASSERT_EQ(headings.size(), 70u);
    const TracedText& tall = headings[56];
    EXPECT_EQ(tall.text, QString("Round 06  Heat 07"));
    EXPECT_EQ(tall.rect.left, ColumnWidth());
    EXPECT_EQ(tall.rect.top, 32);
    EXPECT_LE(LowestDrawn(m_trace), 840);
}

TEST_F(MatrixPrintout, ContinuesAHeatTallerThanAColumnUnderItsHeadingRepeated)
{
    CalculationResult result = FilledSchedule(1, 2, 0);
    for (int slot = 0; slot < 12; ++slot) {
        result.matrix.Set(0, 1, slot, slot);
        result.pilots.push_back(Pilot("Tall", QString::number(slot), 35));
    }
    // At base 72 a heading and twelve lines are 964 units, more than a page;
    // the column is wider than half the page, so each advance is a new page.
    Print(result, {72, false});

    const std::vector<TracedText> headings = TracedHeadings(m_trace);
    ASSERT_EQ(TextsOf(headings), QStringList({"Round 01  Heat 01", "Round 01  Heat 02", "Round 01  Heat 02"}));
    for (int page = 1; page <= 3; ++page) {
        EXPECT_EQ(headings[page - 1].page, page);
        EXPECT_EQ(headings[page - 1].rect.top, 32);
    }
    EXPECT_EQ(m_trace.texts.size(), 3u + 12u);
    EXPECT_LE(LowestDrawn(m_trace), 840);
    // The column that closes after the last heat opens no page.
    EXPECT_EQ(m_trace.pagesStarted, 3);
    EXPECT_EQ(PdfPageCount(PdfPath()), 3);
}

// Rounds and heats beyond the matrix hold no pilots to print; the printout
// stops at 25 rounds of 10 heats instead of reading past the schedule.
TEST_F(MatrixPrintout, PrintsNoHeatBeyondTheMatrix)
{
    CalculationResult result = FilledSchedule(kMaxRounds, kMaxHeats, 1);
    result.rounds = kMaxRounds + 1;
    result.heats = kMaxHeats + 2;
    Print(result, {9, false});

    const std::vector<TracedText> headings = TracedHeadings(m_trace);
    ASSERT_EQ(headings.size(), static_cast<size_t>(kMaxRounds * kMaxHeats));
    EXPECT_EQ(headings.back().text, QString("Round 25  Heat 10"));
}

TEST_F(MatrixPrintout, NamesTheJobAndShowsEachHeatInTheStatusLine)
{
    Print(FilledSchedule(1, 2, 1));

    EXPECT_EQ(m_trace.documentName, QString("Matrix"));
    EXPECT_EQ(m_statuses, QStringList({"Printing Round 01  Heat 01", "Printing Round 01  Heat 02", ""}));
    EXPECT_EQ(m_trace.documentsEnded, 1);
    EXPECT_EQ(m_layout.m_printerDC.Printer(), nullptr);
    EXPECT_EQ(m_layout.MeasureText("X"), CDC().GetTextExtent("X")) << "a print font is still selected";
}

TEST_F(MatrixPrintout, CleansUpWhenTheDocumentCannotStart)
{
    ASSERT_TRUE(m_dir.isValid());
    PrintMatrix(m_layout, MakePdfPrinter(m_dir.filePath("missing folder/matrix.pdf")), {}, FilledSchedule(1, 2, 1),
                [this](const QString& text) { m_statuses << text; });

    EXPECT_EQ(m_trace.pagesStarted, 0);
    EXPECT_TRUE(m_trace.texts.empty());
    EXPECT_EQ(m_statuses, QStringList({""}));
    EXPECT_EQ(m_layout.m_printerDC.Printer(), nullptr);
    EXPECT_EQ(m_layout.MeasureText("X"), CDC().GetTextExtent("X")) << "a print font is still selected";
}

TEST_F(MatrixPrintout, MeasuresTheColumnInTheHeadingFont)
{
    Print(FilledSchedule(1, 1, 0), {9, false});
    const int base9 = ColumnWidth();
    Print(FilledSchedule(1, 1, 0), {20, false});
    EXPECT_GT(base9, 150);
    EXPECT_NEAR(ColumnWidth(), base9 * 24 / 13, 2);
}
