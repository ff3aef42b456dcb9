// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ContestDay.h"

#include "ContestDayFixture.h"
#include "contest/ContestFile.h"
#include "contest/HeatRules.h"
#include "contest/ScheduleSeats.h"
#include "matrix/DrawStatistics.h"
#include "matrix/HeatCardFormat.h"
#include "matrix/HeatListFormat.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {

// Two heats of one round by hand: heat 1 Pilot0 (35) and Pilot1 (40),
// heat 2 Pilot2 (35) and Pilot3 (50), three seats a heat.
Contest TwoHeats()
{
    Contest contest;
    for (const auto& [name, channel] : {std::pair{"Pilot0", 35}, {"Pilot1", 40}, {"Pilot2", 35}, {"Pilot3", 50}})
        contest.pilots.push_back({int(contest.pilots.size()), QStringLiteral("Jan"), QString::fromLatin1(name), channel});
    contest.fields = {2, 2, 3};
    contest.result = {true, 2, 2, {}, contest.pilots};
    for (int round = 0; round < 2; ++round) {
        contest.result.matrix.Set(round, 0, 0, 0);
        contest.result.matrix.Set(round, 0, 1, 1);
        contest.result.matrix.Set(round, 1, 0, 2);
        contest.result.matrix.Set(round, 1, 1, 3);
    }
    return contest;
}

// A schedule by hand held to no back-to-back: per round the heats' pilots,
// pilot i being "Pilot<i> Jan" on channel 10 + i.
Contest NoBackToBack(const std::vector<std::vector<std::vector<int>>>& rounds, int perHeat)
{
    Contest contest = DrawnContest({10, 11, 12, 13, 14, 15}, {int(rounds.size()), int(rounds[0].size()), perHeat}, 1);
    contest.result.matrix.Clear();
    contest.result.completed = true;
    contest.result.noBackToBack = contest.rules.noBackToBack = true;
    for (int round = 0; round < int(rounds.size()); ++round)
        for (int heat = 0; heat < int(rounds[0].size()); ++heat)
            for (int pilot : rounds[size_t(round)][size_t(heat)])
                SeatInHeat(contest.result.matrix, round, heat, pilot);
    return contest;
}

}  // namespace

// Every change that would have a pilot fly the last heat of a round and the
// first of the next is refused with the pilot and the rounds named.
TEST(ContestDay, NoChangePutsAPilotBackToBack)
{
    const Contest contest = NoBackToBack({{{0, 1}, {2, 3}, {4, 5}}, {{0, 2}, {1, 4}, {3, 5}}}, 3);
    const Contest lonely = NoBackToBack({{{0, 1}, {2, 3}, {4}}, {{0, 2}, {1, 5}, {3, 4}}}, 3);
    const Contest late = NoBackToBack({{{0, 1}, {2}}, {{0}, {1, 2}}}, 2);  // only Pilot0's heat has room in round 2
    const std::pair<ContestDayChange, QStringList> cases[] = {
        {SwapPilots(contest, 1, 0, 4), {"Pilot4 Jan", "round 1", "round 2", "back to back"}},
        {MovePilot(contest, 1, 5, 0), {"Pilot5 Jan", "round 1", "round 2"}},
        {MovePilot(contest, 0, 0, 2), {"Pilot0 Jan", "round 1", "round 2"}},
        {WithdrawPilot(lonely, 4, 1), {"Pilot4 Jan", "Pilot2 Jan", "round 2"}},
        {EnterLatePilot(late, {0, "Petr", "Late", 60}, 1), {"round 2", "Late Petr"}},
    };
    for (const auto& [change, reason] : cases) {
        EXPECT_FALSE(change.contest);
        for (const QString& part : reason)
            EXPECT_TRUE(change.reason.contains(part)) << change.reason.toStdString();
    }
    // Round 2 evens out only by a pilot of round 1's last heat moving first.
    Contest uneven = NoBackToBack({{{0}, {1, 2, 3}}, {{0}, {1, 2, 3}}}, 4);
    int moves = -1;
    EXPECT_EQ(EvenOutHeats(uneven, 2, &moves), uneven);
    EXPECT_EQ(moves, 0);
    uneven.result.noBackToBack = false;
    EvenOutHeats(uneven, 2, &moves);
    EXPECT_EQ(moves, 1);
}

// Alone in the second heat, the pilot is the only one free to time the first.
TEST(ContestDay, AChangeLeavingAPilotNobodyToTimeIsRefused)
{
    const Contest timed = DrawnContest({10, 11, 12}, {2, 2, 2}, 1, {false, true});
    ASSERT_TRUE(timed.result.HasTimekeepers());
    const ContestDayChange change = WithdrawPilot(timed, HeatMembers(timed, 0, 1).front(), 1);
    EXPECT_FALSE(change.contest);
    EXPECT_TRUE(change.reason.contains("nobody free to time")) << change.reason.toStdString();
}

// The reader holds a schedule to the rule when the schedule says it keeps
// it; a contest whose box was ticked only after the draw still opens.
TEST(ContestDay, TheFileReaderRefusesBackToBackOnlyInAScheduleKeepingTheRule)
{
    Contest broken = NoBackToBack({{{0, 1}, {2, 3}, {4, 5}}, {{0, 2}, {1, 4}, {3, 5}}}, 3);
    ExchangeSeats(broken.result.matrix, 1, 0, 4);
    const ContestFileReading refused = ReadContestFile(ContestFileBytes(broken));
    EXPECT_FALSE(refused.contest);
    EXPECT_TRUE(refused.error.contains("Pilot4 Jan") && refused.error.contains("round 2")) << refused.error.toStdString();
    broken.result.noBackToBack = false;
    const ContestFileReading opened = ReadContestFile(ContestFileBytes(broken));
    ASSERT_TRUE(opened.contest) << opened.error.toStdString();
    EXPECT_EQ(*opened.contest, broken);
    // Written before the schedule said so, a file is held to the rule its
    // contest asks for only where the schedule keeps it.
    for (const Contest& old : {broken, NoBackToBack({{{0, 1}, {2, 3}, {4, 5}}, {{0, 2}, {1, 4}, {3, 5}}}, 3)}) {
        QJsonObject file = QJsonDocument::fromJson(ContestFileBytes(old)).object();
        QJsonObject schedule = file.value("schedule").toObject();
        schedule.remove("noBackToBack");
        file.insert("schedule", schedule);
        const ContestFileReading reading = ReadContestFile(QJsonDocument(file).toJson());
        ASSERT_TRUE(reading.contest) << reading.error.toStdString();
        EXPECT_EQ(reading.contest->result.noBackToBack, BackToBackPilots(old.result, 0).empty());
    }
}

TEST(ContestDay, ARefusedChangeSaysWhyNamingThePilotAndHeatAndChangesNothing)
{
    const Contest before = TwoHeats();
    Contest full = before;
    full.fields.pilotsPerHeat = 2;
    Contest withdrawn = *WithdrawPilot(before, 3, 2).contest;
    const struct {
        const char* what;
        const Contest& contest;
        ContestDayChange change;
        QStringList reason;
    } cases[] = {
        {"swap into a channel mate", before, SwapPilots(before, 0, 1, 2), {"Pilot1 Jan", "Pilot2 Jan", "heat 1", "channel 35"}},
        {"move to a channel mate", before, MovePilot(before, 1, 0, 1), {"Pilot0 Jan", "heat 2 of round 2", "channel 35"}},
        {"move into a full heat", full, MovePilot(full, 0, 1, 1), {"Heat 2 of round 1 is full"}},
        {"swap in one heat", before, SwapPilots(before, 0, 0, 1), {"same heat 1"}},
        {"swap with a withdrawn pilot", withdrawn, SwapPilots(withdrawn, 1, 0, 3), {"Pilot3 Jan does not fly in round 2"}},
        {"withdraw twice", withdrawn, WithdrawPilot(withdrawn, 3, 2), {"Pilot3 Jan", "round 2 already"}},
        {"late on a channel every heat has", before, EnterLatePilot(before, {0, "Petr", "Late", 35}, 2), {"round 2", "Late Petr"}},
        {"late twice", before, EnterLatePilot(before, {0, "Jan", "Pilot2", 45}, 1), {"Pilot2 Jan is on the schedule already"}},
        {"late into full heats", full, EnterLatePilot(full, {0, "Petr", "Late", 60}, 1), {"round 1", "full (2 pilots)"}},
        {"no such round", before, WithdrawPilot(before, 0, 3), {"no round 3"}},
    };
    for (const auto& [what, contest, change, reason] : cases) {
        EXPECT_FALSE(change.contest) << what;
        for (const QString& part : reason)
            EXPECT_TRUE(change.reason.contains(part)) << what << ": " << change.reason.toStdString();
    }
    EXPECT_EQ(TwoHeats(), before);
}

// A name holding placeholders stays as typed in every refusal naming it:
// the round and heat numbers never take its place.
TEST(ContestDay, ARefusalNamesAPilotAsTypedThoughTheNameHoldsPlaceholders)
{
    Contest contest = TwoHeats();
    for (std::vector<PilotRecord>* pilots : {&contest.pilots, &contest.result.pilots}) {
        (*pilots)[0].lastName = QStringLiteral("%2%3%4");
        (*pilots)[1].lastName = QStringLiteral("%1");
    }
    const Contest withdrawn = *WithdrawPilot(contest, 1, 2).contest;
    const std::pair<ContestDayChange, QString> cases[] = {
        {SwapPilots(contest, 0, 0, 1), "%2%3%4 Jan and %1 Jan fly in the same heat 1 of round 1"},
        {SwapPilots(contest, 0, 1, 2), "%1 Jan and Pilot2 Jan cannot swap heats in round 1: "},
        {MovePilot(contest, 1, 0, 1), "%2%3%4 Jan cannot move to heat 2 of round 2: "},
        {MovePilot(contest, 0, 0, 0), "%2%3%4 Jan flies in heat 1 of round 1 already"},
        {SwapPilots(withdrawn, 1, 0, 1), "%1 Jan does not fly in round 2"},
        {MovePilot(withdrawn, 1, 1, 1), "%1 Jan does not fly in round 2"},
    };
    for (const auto& [change, reason] : cases)
        EXPECT_TRUE(change.reason.startsWith(reason)) << change.reason.toStdString();
}

TEST(ContestDay, AWithdrawalEmptiesTheSeatsFromItsRoundAndKeepsTheRoundsBefore)
{
    const Contest before = DrawnContest({10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}, {5, 3, 4}, 7);
    const Contest after = *WithdrawPilot(before, 4, 3).contest;
    for (int round = 0; round < 5; ++round)
        for (int heat = 0; heat < 3; ++heat) {
            std::vector<int> expected = HeatMembers(before, round, heat);
            if (round >= 2)
                expected.erase(std::remove(expected.begin(), expected.end(), 4), expected.end());
            EXPECT_EQ(HeatMembers(after, round, heat), expected) << "round " << round << " heat " << heat;
        }
    EXPECT_EQ(after.result.pilots[4].withdrawnFromRound, 3);
    EXPECT_EQ(after.pilots[4].withdrawnFromRound, 3);
    EXPECT_TRUE(KeepsTheRules(after));
}

TEST(ContestDay, ALateEntryTakesTheSmallestHeatWithoutAChannelMate)
{
    // Round 2 after Pilot0 goes: heat 1 holds Pilot1 (40), heat 2 Pilot2 (35) and Pilot3 (50).
    const Contest before = *WithdrawPilot(TwoHeats(), 0, 2).contest;
    const Contest late60 = *EnterLatePilot(before, {0, "Petr", "Late", 60}, 2).contest;
    EXPECT_EQ(HeatMembers(late60, 0, 0), HeatMembers(before, 0, 0));
    EXPECT_EQ(HeatMembers(late60, 0, 1), HeatMembers(before, 0, 1));
    EXPECT_EQ(HeatMembers(late60, 1, 0), (std::vector<int>{1, 4}));
    EXPECT_EQ(late60.pilots.back().lateFromRound, 2);
    EXPECT_EQ(late60.result.pilots.back().lateFromRound, 2);
    EXPECT_TRUE(KeepsTheRules(late60));
    const Contest late40 = *EnterLatePilot(before, {0, "Eva", "Late", 40}, 2).contest;
    EXPECT_EQ(HeatMembers(late40, 1, 1), (std::vector<int>{2, 3, 4}));
    EXPECT_TRUE(KeepsTheRules(late40));
    EXPECT_FALSE(EnterLatePilot(before, {0, "Eva", "Late", 35}, 1).contest);
    // With Pilot3 gone instead, heat 2 is the smaller one.
    const Contest otherGone = *WithdrawPilot(TwoHeats(), 3, 2).contest;
    EXPECT_EQ(HeatMembers(*EnterLatePilot(otherGone, {0, "Petr", "Late", 60}, 2).contest, 1, 1), (std::vector<int>{2, 4}));
}

// A late entry that a later round cannot seat names that round, the pilot
// seated in the rounds before it; an entry taken, or refused for another
// reason, gives nothing.
TEST(ContestDay, ALateEntryWithoutAHeatNamesTheRoundAndSeatsTheRoundsBeforeIt)
{
    // Pilot2 (35) gone from round 1, Ida (35) late from round 2: round 1 has
    // a place for a third pilot on 35, round 2 has none.
    const Contest gone = *WithdrawPilot(TwoHeats(), 2, 1).contest;
    const Contest before = *EnterLatePilot(gone, {0, "Ida", "Late", 35}, 2).contest;
    const PilotRecord eva{0, "Eva", "Late", 35};
    ASSERT_FALSE(EnterLatePilot(before, eva, 1).contest);
    const std::optional<UnseatedLateEntry> entry = LateEntryWithoutAHeat(before, eva, 1);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->round, 2);
    EXPECT_EQ(HeatMembers(entry->contest, 0, 1), (std::vector<int>{3, 5}));
    EXPECT_EQ(HeatMembers(entry->contest, 1, 1), HeatMembers(before, 1, 1));
    EXPECT_EQ(entry->contest.pilots.back().lastName + entry->contest.result.pilots.back().firstName, QStringLiteral("LateEva"));
    EXPECT_FALSE(LateEntryWithoutAHeat(before, {0, "Eva", "Late", 60}, 1));
    EXPECT_FALSE(LateEntryWithoutAHeat(before, {0, "Jan", "Pilot0", 60}, 1));
}

TEST(ContestDay, EvenOutMovesAsFewPilotsAsTheHeatSizesNeed)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        Contest contest = DrawnContest(std::vector<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25},
                                       {4, 4, 4}, seed);
        for (int pilot : {1, 5, 6, 9})
            contest = *WithdrawPilot(contest, pilot, 2).contest;
        int needed = 0;
        for (int round = 1; round < 4; ++round) {
            std::vector<int> sizes;
            for (int heat = 0; heat < 4; ++heat)
                sizes.push_back(int(HeatMembers(contest, round, heat).size()));
            std::sort(sizes.rbegin(), sizes.rend());
            const int pilots = 12;
            for (int heat = 0; heat < 4; ++heat)
                needed += std::max(0, sizes[size_t(heat)] - (pilots / 4 + (heat < pilots % 4)));
        }
        int moves = -1;
        const Contest evened = EvenOutHeats(contest, 2, &moves);
        EXPECT_EQ(moves, needed) << "seed " << seed;
        for (int round = 0; round < 4; ++round)
            for (int heat = 0; heat < 4; ++heat) {
                if (round == 0)
                    EXPECT_EQ(HeatMembers(evened, round, heat), HeatMembers(contest, round, heat));
                else
                    EXPECT_EQ(HeatMembers(evened, round, heat).size(), 3u) << "seed " << seed;
            }
        EXPECT_TRUE(KeepsTheRules(evened));
    }
}

// The file keeps the day's marks, and its reader still refuses a schedule
// that seats a pilot outside the rounds the pilot flies.
TEST(ContestDay, TheFileReaderRefusesSeatsAfterAWithdrawalOrBeforeALateEntry)
{
    const Contest withdrawn = *WithdrawPilot(TwoHeats(), 3, 2).contest;
    const Contest late = *EnterLatePilot(withdrawn, {0, "Petr", "Late", 60}, 2).contest;
    EXPECT_TRUE(ReadContestFile(ContestFileBytes(late)).contest);
    Contest seatedAfter = withdrawn;
    seatedAfter.result.matrix.Set(1, 1, 1, 3);
    Contest seatedBefore = late;
    seatedBefore.result.matrix.Set(0, 0, 2, 4);
    for (const Contest& wrong : {seatedAfter, seatedBefore}) {
        const ContestFileReading reading = ReadContestFile(ContestFileBytes(wrong));
        EXPECT_FALSE(reading.contest);
        EXPECT_TRUE(reading.error.contains("Round 1") || reading.error.contains("Round 2")) << reading.error.toStdString();
        EXPECT_TRUE(reading.error.contains("does not fly in it")) << reading.error.toStdString();
    }
}

// A withdrawn pilot's card lists the rounds flown, a late pilot's the rounds
// from the entry, each with its mark; the heat list marks them in every heat.
TEST(ContestDay, TheCardsAndTheHeatListMarkWithdrawnAndLatePilots)
{
    Contest contest = DrawnContest({10, 11, 12, 13, 14, 15, 16, 17}, {4, 2, 5}, 3, {false, true});
    contest = *WithdrawPilot(contest, 2, 3).contest;
    contest = *EnterLatePilot(contest, {0, "Petr", "Late", 60}, 2).contest;
    const std::vector<HeatCard> cards = HeatCardsOf(contest.result);
    EXPECT_EQ(cards[2].heatTexts.filter("Round 0").size(), 2);
    EXPECT_EQ(cards[2].heatTexts.last(), QStringLiteral("withdrawn from round 03"));
    EXPECT_TRUE(cards.back().heatTexts.first().startsWith("Round 02") && cards.back().heatTexts.size() == 4);
    EXPECT_EQ(cards.back().heatTexts.last(), QStringLiteral("late from round 02"));
    const QString list = HeatListText(contest.result);
    EXPECT_EQ(list.count(PilotCardText(contest.result.pilots[2]) + ", withdrawn from round 03: "), 2);
    EXPECT_EQ(list.count(", late from round 02: "), 3);
}

// A pilot withdrawn before flying counts for nothing: the statistics are
// those of the schedule drawn without the pilot.
TEST(ContestDay, TheStatisticsAreThoseOfTheScheduleAsItStands)
{
    for (int gone = 0; gone < 10; ++gone) {
        const Contest drawn = DrawnContest({10, 11, 11, 12, 13, 14, 15, 16, 17, 18}, {4, 3, 4}, unsigned(gone));
        const CalculationResult result = WithdrawPilot(drawn, gone, 1).contest->result;
        std::vector<PilotRecord> others = result.pilots;
        others.erase(others.begin() + gone);
        Matrix without = result.matrix;
        for (int round = 0; round < 4; ++round)
            for (int heat = 0; heat < 3; ++heat)
                for (int slot = 0; slot < kSlotsPerHeat; ++slot)
                    if (const int seated = result.matrix.At(round, heat, slot); seated > gone)
                        without.Set(round, heat, slot, seated - 1);
        const DrawStatistics stands = ComputeDrawStatistics(result.pilots, result.matrix, 4, 3);
        const DrawStatistics fresh = ComputeDrawStatistics(others, without, 4, 3);
        EXPECT_EQ(stands.figures, fresh.figures) << "pilot " << gone;
        EXPECT_EQ(stands.histogram, fresh.histogram) << "pilot " << gone;
        EXPECT_EQ(stands.bound.least, fresh.bound.least) << "pilot " << gone;
    }
}
