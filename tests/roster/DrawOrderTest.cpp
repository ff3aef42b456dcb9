// SPDX-License-Identifier: GPL-3.0-or-later
#include "roster/DrawOrder.h"

#include "roster/RosterLine.h"

#include <QLocale>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace {

PilotRecord Pilot(const char* lastName, int frequency)
{
    return {0, QStringLiteral("Jan"), QString::fromUtf8(lastName), frequency};
}

QStringList LinesInDrawOrder(const std::vector<PilotRecord>& roster)
{
    QStringList lines;
    for (int position : DrawOrder(roster))
        lines << FormatRosterLine(roster[position]);
    return lines;
}

}  // namespace

// Whatever order the roster file held the pilots in, and whatever language
// the desktop speaks, the draw takes them in one order: so a seed is one
// schedule for the same pilots.
TEST(DrawOrder, TakesThePilotsInOneOrderWhateverTheRosterOrderAndLocale)
{
    std::vector<PilotRecord> roster{Pilot("Zeman", 35),  Pilot("Čermák", 36), Pilot("Horák", 37),
                                    Pilot("Hájek", 38),  Pilot("Chalupa", 40), Pilot("cyrus", 41),
                                    Pilot("Cyrus", 41), Pilot("Ábel", 42),    Pilot("𝒜dam", 44),
                                    Pilot("Ｗolf", 45)};
    const QLocale desktop;
    QLocale::setDefault(QLocale(QLocale::Czech));
    const QStringList expected = LinesInDrawOrder(roster);
    QLocale::setDefault(desktop);
    // Code points: capitals before small letters, accented letters after
    // every plain one, a letter beyond the basic plane after the last one
    // inside it.
    EXPECT_EQ(expected, (QStringList{"Chalupa,Jan,40", "Cyrus,Jan,41", "Horák,Jan,37", "Hájek,Jan,38",
                                     "Zeman,Jan,35", "cyrus,Jan,41", "Ábel,Jan,42", "Čermák,Jan,36",
                                     "Ｗolf,Jan,45", "𝒜dam,Jan,44"}));
    std::mt19937 shuffle(7);
    for (int round = 0; round < 20; ++round) {
        std::ranges::shuffle(roster, shuffle);
        EXPECT_EQ(LinesInDrawOrder(roster), expected);
    }
}

TEST(DrawOrder, KeepsPilotsWithTheSameLineInRosterOrder)
{
    const std::vector<PilotRecord> roster{Pilot("Novák", 35), Pilot("Bureš", 36), Pilot("Novák", 35)};
    EXPECT_EQ(DrawOrder(roster), (std::vector<int>{1, 0, 2}));
}
