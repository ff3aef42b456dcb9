// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/HeatCardFormat.h"

#include "matrix/CalculationResult.h"
#include "support/QtPrinters.h"
#include "text/TextFileCodec.h"

#include <gtest/gtest.h>

namespace {

TEST(HeatCardFormat, WritesCardsInTheirOrderToTheByte)
{
    const std::vector<HeatCard> cards{
        {"Alpha, Beta (35)", {"Round 01, Heat 02", "Round 02, Heat 05", "Round 03, Heat 01"}},
        {"Adam, Eva (21)", {}},
    };
    EXPECT_EQ(EncodeTextForFile(HeatCardsText(cards)), QByteArray("Alpha, Beta (35)\r\n"
                                                                  "-----------------------------------------\r\n"
                                                                  "    Round 01, Heat 02\r\n"
                                                                  "    Round 02, Heat 05\r\n"
                                                                  "    Round 03, Heat 01\r\n"
                                                                  "\r\n\r\n\r\n"
                                                                  "Adam, Eva (21)\r\n"
                                                                  "-----------------------------------------\r\n"
                                                                  "\r\n\r\n\r\n"));
    EXPECT_EQ(HeatCardsText({}), QString());
}

PilotRecord Pilot(const QString& lastName, const QString& firstName, int frequency)
{
    PilotRecord pilot;
    pilot.lastName = lastName;
    pilot.firstName = firstName;
    pilot.frequency = frequency;
    return pilot;
}

// Two rounds of three heats; the cards keep the roster's order, each heat in
// round order wherever the slot lies, and a slot outside the roster is left out.
TEST(HeatCardsOfResult, OneCardPerPilotInRosterOrderWithItsHeatsRoundByRound)
{
    CalculationResult result;
    result.completed = true;
    result.rounds = 2;
    result.heats = 3;
    result.pilots = {Pilot("Zeman", "Jan", 40), Pilot("Adam", "Eva", 35), Pilot("Kral", "Petr", -3)};
    result.matrix.Set(0, 2, 0, 0);
    result.matrix.Set(0, 0, 5, 1);
    result.matrix.Set(0, 1, 0, 2);
    result.matrix.Set(1, 0, 0, 0);
    result.matrix.Set(1, 2, 11, 1);
    result.matrix.Set(1, 1, 1, 2);
    result.matrix.Set(1, 1, 2, 3);

    const std::vector<HeatCard> cards = HeatCardsOf(result);
    ASSERT_EQ(cards.size(), 3u);
    EXPECT_EQ(cards[0].pilotText, QStringLiteral("Zeman, Jan (40)"));
    EXPECT_EQ(cards[0].heatTexts, (QStringList{"Round 01, Heat 03", "Round 02, Heat 01"}));
    EXPECT_EQ(cards[1].pilotText, QStringLiteral("Adam, Eva (35)"));
    EXPECT_EQ(cards[1].heatTexts, (QStringList{"Round 01, Heat 01", "Round 02, Heat 03"}));
    EXPECT_EQ(cards[2].pilotText, QStringLiteral("Kral, Petr (-3)"));
    EXPECT_EQ(cards[2].heatTexts, (QStringList{"Round 01, Heat 02", "Round 02, Heat 02"}));

    // A draw that did not complete names its pilots without heats; no
    // calculation has no cards.
    result.completed = false;
    for (const HeatCard& card : HeatCardsOf(result))
        EXPECT_TRUE(card.heatTexts.isEmpty()) << card.pilotText.toStdString();
    EXPECT_EQ(HeatCardsOf(result).size(), 3u);
    EXPECT_TRUE(HeatCardsOf(CalculationResult{}).empty());
}

} // namespace
