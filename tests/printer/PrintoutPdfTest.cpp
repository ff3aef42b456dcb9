// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer/CPrintLayout.h"
#include "printer/HeatCardPrintout.h"
#include "printer/MatrixPrintout.h"
#include "matrix/CalculationResult.h"
#include "support/PdfPrinter.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QStringList kLastNames = {"Novák", "Dvořák", "Šťastný", "Smith & Co", "Černá", "Adams"};

// Six pilots on six channels, flying in every round in heats of three.
CalculationResult SixPilotsInTwoHeats(int rounds)
{
    CalculationResult result;
    result.rounds = rounds;
    result.heats = 2;
    for (int pilot = 0; pilot < 6; ++pilot) {
        PilotRecord record;
        record.index = pilot;
        record.lastName = kLastNames[pilot];
        record.firstName = "Jan";
        record.frequency = 35 + pilot;
        result.pilots.push_back(record);
    }
    for (int round = 0; round < rounds; ++round)
        for (int slot = 0; slot < 6; ++slot)
            result.matrix.Set(round, slot % 2, slot / 2, (slot + round) % 6);
    return result;
}

void IgnoreStatus(const QString&) {}

} // namespace

// With a new column per round, three rounds fill the A4 page across and the
// fourth starts a second page.
TEST(PrintoutPdf, PrintsTheMatrixOnRealPages)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("matrix.pdf");
    CPrintLayout layout;
    PrintMatrix(layout, MakePdfPrinter(path), {9, true}, SixPilotsInTwoHeats(4), IgnoreStatus);

    ASSERT_EQ(PdfPageCount(path), 2);
    EXPECT_EQ(PdfTitle(path), QString("Matrix"));
    const QString first = PdfPageText(path, 1);
    for (const char* heading : {"Round 01 Heat 01", "Round 01 Heat 02", "Round 03 Heat 02"})
        EXPECT_TRUE(first.contains(heading)) << heading << " in " << first.toStdString();
    EXPECT_TRUE(first.contains("[35] Novák, Jan")) << first.toStdString();
    EXPECT_TRUE(first.contains("[38] Smith & Co, Jan")) << first.toStdString();
    EXPECT_TRUE(first.contains("[37] Šťastný, Jan")) << first.toStdString();
    EXPECT_FALSE(first.contains("Round 04"));
    EXPECT_TRUE(PdfPageText(path, 2).startsWith("Round 04 Heat 01")) << PdfPageText(path, 2).toStdString();
}

TEST(PrintoutPdf, PrintsTheHeatCardsWithoutAMarkBeforeTheHeats)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("cards.pdf");
    CPrintLayout layout;
    const std::vector<HeatCard> cards = {
        {"Šťastný, Jan (37)", {"Round 01, Heat 02", "Round 02, Heat 01"}},
        {"Adams, Eva (40)", {"Round 01, Heat 01", "Round 02, Heat 02"}},
    };
    PrintHeatCards(layout, MakePdfPrinter(path), 9, cards, IgnoreStatus);

    ASSERT_EQ(PdfPageCount(path), 1);
    EXPECT_EQ(PdfPageText(path, 1), QString("Šťastný, Jan (37) Round 01, Heat 02 Round 02, Heat 01 "
                                            "Adams, Eva (40) Round 01, Heat 01 Round 02, Heat 02"));
    // On the A4 page rendered at 72 dots per inch a logical unit is about a
    // pixel: the heat lines begin 16 units in, their seven blanks leave the
    // next 17 or so empty.
    const QImage page = RenderFirstPage(path, 72);
    ASSERT_FALSE(page.isNull());
    EXPECT_TRUE(HasInk(page, QRect(0, 0, 100, 12)));
    EXPECT_FALSE(HasInk(page, QRect(15, 14, 14, 20)));
}
