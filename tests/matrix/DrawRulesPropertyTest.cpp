// SPDX-License-Identifier: GPL-3.0-or-later
// Both draws over random rosters with teams and shared channels, random
// fields, with and without back-to-back: every schedule they complete keeps
// the rules, and every failure is one the counting foresees or says why.

#include "matrix/BalancedDraw.h"
#include "matrix/CalculationResult.h"
#include "matrix/DrawFailureMessage.h"
#include "matrix/DrawObserver.h"
#include "matrix/HeatLayout.h"
#include "matrix/MatrixDraw.h"
#include "matrix/SeededRandom.h"
#include "matrix/Timekeepers.h"
#include "roster/PilotMates.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <numeric>
#include <random>

namespace {

struct RuleCase {
    std::vector<PilotRecord> roster;
    std::vector<int> listOrder;
    MatrixShape shape;
    DrawRules rules;
    unsigned seed = 0;

    DrawInput Input() const { return {roster, listOrder, shape, rules}; }
};

RuleCase RandomCase(std::mt19937& engine)
{
    auto between = [&](int lowest, int highest) { return std::uniform_int_distribution(lowest, highest)(engine); };
    static const QStringList teams = {QStringLiteral("Orlík"), QStringLiteral("Sokoli"), QStringLiteral("Káňata"),
                                      QStringLiteral("Luňáci"), QStringLiteral("Rorýsi"), QStringLiteral("Čápi")};
    RuleCase rule;
    const int pilots = between(2, 48);
    const int channels = between(std::max(1, pilots / 4), pilots);
    const int teamCount = between(0, int(teams.size()));
    for (int position = 0; position < pilots; ++position) {
        const QString team = teamCount > 0 && between(0, 1) == 0 ? teams[between(0, teamCount - 1)] : QString();
        rule.roster.push_back({position, QStringLiteral("Jan"), QStringLiteral("Pilot%1").arg(position),
                               kLowestChannel + between(0, channels - 1), team});
        rule.listOrder.push_back(position);
    }
    const int pilotsPerHeat = between(0, 3) == 0 ? between(kMinPilotsPerHeat, kSlotsPerHeat) : between(3, 6);
    rule.shape = {between(1, 6), std::min(kMaxHeats, between(1, 2) + (pilots - 1) / pilotsPerHeat), pilotsPerHeat};
    rule.rules.noBackToBack = between(0, 1) == 1;
    rule.rules.timekeepers = true;
    rule.seed = unsigned(engine());
    return rule;
}

int HeatsHeld(const Matrix& matrix, int round)
{
    int heats = 0;
    for (int heat = 0; heat < kMaxHeats; ++heat)
        for (int slot = 0; slot < kSlotsPerHeat; ++slot)
            if (matrix.At(round, heat, slot) != kEmptySlot)
                heats = heat + 1;
    return heats;
}

int HeatSize(const Matrix& matrix, int round, int heat)
{
    int size = 0;
    for (int slot = 0; slot < kSlotsPerHeat; ++slot)
        size += matrix.At(round, heat, slot) != kEmptySlot;
    return size;
}

bool FliesIn(const Matrix& matrix, int round, int heat, int position)
{
    for (int slot = 0; slot < kSlotsPerHeat; ++slot)
        if (matrix.At(round, heat, slot) == position)
            return true;
    return false;
}

// The first rule the schedule breaks, or nothing.
std::string BrokenRule(const RuleCase& rule, const Matrix& matrix)
{
    for (int round = 0; round < rule.shape.rounds; ++round) {
        std::vector<int> flown(rule.roster.size(), 0);
        for (int heat = 0; heat < kMaxHeats; ++heat)
            for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
                const int one = matrix.At(round, heat, slot);
                if (one == kEmptySlot)
                    continue;
                ++flown[one];
                for (int later = slot + 1; later < kSlotsPerHeat; ++later) {
                    const int other = matrix.At(round, heat, later);
                    if (other != kEmptySlot && AreMates(rule.roster[one], rule.roster[other]))
                        return "mates " + std::to_string(one) + " and " + std::to_string(other) + " share round "
                               + std::to_string(round + 1) + " heat " + std::to_string(heat + 1);
                }
            }
        for (int count : flown)
            if (count != 1)
                return "a pilot does not fly once in round " + std::to_string(round + 1);
        if (rule.rules.noBackToBack && round > 0)
            for (int position = 0; position < int(rule.roster.size()); ++position)
                if (FliesIn(matrix, round - 1, HeatsHeld(matrix, round - 1) - 1, position)
                    && FliesIn(matrix, round, 0, position))
                    return "pilot " + std::to_string(position) + " flies back to back into round "
                           + std::to_string(round + 1);
    }
    return {};
}

// What counting alone rules out: more pilots than places, more channel or
// team mates than the heats in use, no back-to-back with one heat a round.
DrawRefusal CountedRefusal(const RuleCase& rule)
{
    const int pilots = int(rule.roster.size());
    std::map<int, int> perChannel;
    std::map<QString, int> perTeam;
    for (const PilotRecord& pilot : rule.roster) {
        ++perChannel[pilot.frequency];
        if (!pilot.team.isEmpty())
            ++perTeam[pilot.team];
    }
    const int heats = HeatsInUse(pilots, rule.shape.pilotsPerHeat);
    if (pilots > rule.shape.PlacesPerRound())
        return DrawRefusal::TooFewPlaces;
    for (const auto& [channel, count] : perChannel)
        if (count > heats)
            return DrawRefusal::ChannelOverloaded;
    for (const auto& [team, count] : perTeam)
        if (count > heats)
            return DrawRefusal::TeamOverloaded;
    if (rule.rules.noBackToBack && heats == 1 && rule.shape.rounds > 1)
        return DrawRefusal::BackToBackImpossible;
    return DrawRefusal::None;
}

constexpr size_t kCountedPilots = 12;

// What is wrong with the timing of the rounds from `first` on: a seat timed
// by a pilot who may not time it, a kept round retimed, or a wider spread
// over the pilots able to time (their jobs of the rounds before counted) than
// the least one counting allows. Shares of least..least+spread fit exactly
// when no set of pilots has more jobs only they may time than room, nor fewer
// jobs any of them may time than their least shares ask.
std::string Mistimed(const CalculationResult& result, int first, const Matrix& timekeepers)
{
    std::vector<int> kept(result.pilots.size(), 0), timed(result.pilots.size(), 0);
    std::vector<unsigned> jobs;
    for (int round = 0; round < result.rounds; ++round)
        for (int heat = 0; heat < result.heats; ++heat)
            for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
                const int keeper = timekeepers.At(round, heat, slot);
                if (round < first ? keeper != result.timekeepers.At(round, heat, slot)
                                  : (keeper == kEmptySlot) != (result.matrix.At(round, heat, slot) == kEmptySlot)
                                        || (keeper != kEmptySlot && !MayTime(result, round, heat, keeper)))
                    return "round " + std::to_string(round + 1) + " heat " + std::to_string(heat + 1) + " mistimed";
                if (keeper == kEmptySlot)
                    continue;
                ++(round < first ? kept : timed)[size_t(keeper)];
                jobs.push_back(0);
                for (int other = 0; other < int(result.pilots.size()) && round >= first; ++other)
                    jobs.back() |= unsigned(MayTime(result, round, heat, other)) << other;
            }
    const unsigned able = std::accumulate(jobs.begin(), jobs.end(), 0u, std::bit_or<>());
    int lowest = 1 << 30, highest = 0;
    for (int keeper = 0; keeper < int(kept.size()); ++keeper)
        if (able >> keeper & 1) {
            lowest = std::min(lowest, kept[size_t(keeper)] + timed[size_t(keeper)]);
            highest = std::max(highest, kept[size_t(keeper)] + timed[size_t(keeper)]);
        }
    for (int spread = 1; spread < highest - lowest; ++spread)
        for (int least = 0; least <= highest; ++least)
            for (unsigned set = able;; set = (set - 1) & able) {
                int share = 0, room = 0, onlyThem = 0, anyOfThem = 0;
                for (int keeper = 0; keeper < int(kept.size()); ++keeper)
                    if (set >> keeper & 1) {
                        share += std::max(0, least - kept[size_t(keeper)]);
                        room += least + spread - kept[size_t(keeper)];
                    }
                for (unsigned may : jobs) {
                    onlyThem += may != 0 && (may & ~set) == 0;
                    anyOfThem += (may & set) != 0;
                }
                if (onlyThem > room || anyOfThem < share)
                    break;
                if (set == 0)
                    return "spread " + std::to_string(highest - lowest) + " where " + std::to_string(spread) + " fits";
            }
    return {};
}

// A pilot withdrawn from some round on and the rounds from it retimed: the
// rest share the timing as evenly as counting allows; nobody free to time
// some pilot is the only refusal.
std::string WithdrawnAndRetimed(CalculationResult result, unsigned seed)
{
    const int pilot = int(seed % result.pilots.size()), from = int(seed / 7 % unsigned(result.rounds));
    result.pilots[size_t(pilot)].withdrawnFromRound = from + 1;
    for (int round = from; round < result.rounds; ++round)
        for (int heat = 0; heat < result.heats; ++heat)
            for (int slot = 0; slot < kSlotsPerHeat; ++slot)
                if (result.matrix.At(round, heat, slot) == pilot)
                    result.matrix.Set(round, heat, slot, kEmptySlot);
    if (const std::optional<Matrix> retimed = ReassignTimekeepers(result, from, seed))
        return Mistimed(result, from, *retimed);
    for (int round = from; round < result.rounds; ++round)
        for (int heat = 0; heat < HeatsFilled(result, round); ++heat) {
            int free = 0;
            for (int keeper = 0; keeper < int(result.pilots.size()); ++keeper)
                free += MayTime(result, round, heat, keeper);
            if (free == 0 && HeatSize(result.matrix, round, heat) > 0)
                return {};
        }
    return "retiming refused after a withdrawal";
}

// Every pilot of every heat timed by a pilot who may time it, and nobody
// timing more than one pilot more than another over the contest.
std::string BrokenTimekeeping(const RuleCase& rule, const Matrix& matrix, bool* teamMateTimed = nullptr)
{
    CalculationResult result;
    result.completed = true;
    result.rounds = rule.shape.rounds;
    result.heats = rule.shape.heats;
    result.matrix = matrix;
    result.pilots = rule.roster;
    const std::optional<QString> refused = AddTimekeepers(result, rule.rules, rule.seed);
    const bool oneHeat = HeatsFilled(result, 0) == 1;
    if (refused || oneHeat)
        return bool(refused) == oneHeat ? "" : "timekeepers refused where they were possible, or the other way";
    std::vector<int> timed(rule.roster.size(), 0);
    for (int round = 0; round < result.rounds; ++round)
        for (int heat = 0; heat < kMaxHeats; ++heat)
            for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
                const int pilot = matrix.At(round, heat, slot);
                const int keeper = result.timekeepers.At(round, heat, slot);
                if ((pilot == kEmptySlot) != (keeper == kEmptySlot))
                    return "a seat without a timekeeper, or a timekeeper without a pilot";
                if (pilot == kEmptySlot)
                    continue;
                if (keeper == pilot || !MayTime(result, round, heat, keeper))
                    return "pilot " + std::to_string(keeper) + " may not time round " + std::to_string(round + 1)
                           + " heat " + std::to_string(heat + 1);
                ++timed[size_t(keeper)];
                if (teamMateTimed && AreTeamMates(rule.roster[pilot], rule.roster[keeper]))
                    *teamMateTimed = true;
            }
    // Heats of one size can always share the timing evenly (each heat timed
    // by another, in a ring); uneven heats may force some to time more, but
    // never more than counting proves they must.
    if (rule.roster.size() <= kCountedPilots)
        return Mistimed(result, 0, result.timekeepers) + WithdrawnAndRetimed(result, rule.seed);
    bool evenHeats = true;
    for (int round = 0; round < result.rounds; ++round)
        for (int heat = 1; heat < HeatsFilled(result, round); ++heat)
            evenHeats = evenHeats && HeatSize(matrix, round, heat) == HeatSize(matrix, round, 0);
    const auto [least, most] = std::minmax_element(timed.begin(), timed.end());
    if (evenHeats && *most > *least + 1)
        return "timekeeping spread from " + std::to_string(*least) + " to " + std::to_string(*most);
    return {};
}

const QString kBadLuck = QStringLiteral("Cannot resolve frequency conflict");

}  // namespace

TEST(DrawRules, RandomDrawKeepsTeamsChannelsAndBackToBackOrNamesWhyNot)
{
    std::mt19937 engine(2121);
    int completed = 0, refused = 0, backToBack = 0;
    for (int made = 0; made < 400; ++made) {
        const RuleCase rule = RandomCase(engine);
        SeededRandom random(rule.seed);
        DrawObserver quiet;
        const DrawOutcome outcome = DrawMatrix(rule.Input(), random, quiet);
        const DrawRefusal counted = CountedRefusal(rule);
        if (outcome.completed) {
            // It may seat a channel or team in more heats than the even
            // layout uses, leaving slots empty, but never beats the places.
            ASSERT_NE(counted, DrawRefusal::TooFewPlaces) << "case " << made;
            ASSERT_EQ(BrokenRule(rule, outcome.matrix), "") << "case " << made;
            ASSERT_EQ(BrokenTimekeeping(rule, outcome.matrix), "") << "case " << made;
            ++completed;
            backToBack += rule.rules.noBackToBack && rule.shape.rounds > 1;
            continue;
        }
        // A failure the counting foresees is told with its reason, never as bad luck.
        const QString message = DrawFailureMessage(rule.roster, rule.shape, rule.rules);
        EXPECT_EQ(message.startsWith(kBadLuck), counted == DrawRefusal::None) << message.toStdString();
        refused += counted != DrawRefusal::None;
    }
    EXPECT_GT(completed, 150);
    EXPECT_GT(refused, 20);
    EXPECT_GT(backToBack, 50);
}

TEST(DrawRules, BalancedDrawKeepsTeamsChannelsAndBackToBackAndRefusesOnlyWhatCountingRulesOut)
{
    std::mt19937 engine(2122);
    int completed = 0, refused = 0, teamsRefused = 0;
    bool teamMateTimed = false;
    for (int made = 0; made < 250; ++made) {
        const RuleCase rule = RandomCase(engine);
        SeededRandom random(rule.seed);
        BalanceObserver quiet;
        BalanceSettings settings;
        settings.steps = 3000;
        const BalancedOutcome outcome = DrawBalanced(rule.Input(), random, settings, quiet);
        const DrawRefusal counted = CountedRefusal(rule);
        ASSERT_EQ(outcome.refusal, counted) << "case " << made;
        if (counted != DrawRefusal::None) {
            EXPECT_FALSE(outcome.completed);
            EXPECT_FALSE(DrawFailureMessage(rule.roster, rule.shape, rule.rules).startsWith(kBadLuck));
            ++refused;
            teamsRefused += counted == DrawRefusal::TeamOverloaded;
            continue;
        }
        ASSERT_TRUE(outcome.completed) << "case " << made;
        ASSERT_EQ(BrokenRule(rule, outcome.matrix), "") << "case " << made;
        ASSERT_EQ(BrokenTimekeeping(rule, outcome.matrix, &teamMateTimed), "") << "case " << made;
        ++completed;
    }
    EXPECT_TRUE(teamMateTimed);
    EXPECT_GT(completed, 60);
    EXPECT_GT(refused, 20);
    EXPECT_GT(teamsRefused, 5);
}

TEST(DrawRules, ATeamLargerThanTheHeatsIsNamedWithItsNumbers)
{
    std::vector<PilotRecord> roster;
    for (int position = 0; position < 12; ++position)
        roster.push_back({position, QStringLiteral("Jan"), QStringLiteral("P%1").arg(position), 10 + position,
                          position < 5 ? QStringLiteral("Orlík") : QString()});
    EXPECT_EQ(DrawFailureMessage(roster, {3, 4, 3}), QStringLiteral("Team Orlík has 5 pilots but a round has only 4 heats."));
    EXPECT_TRUE(DrawFailureMessage(roster, {3, 6, 3}).contains(QStringLiteral("Use fewer pilots per heat.")));
    roster.resize(5);
    for (PilotRecord& pilot : roster)
        pilot.team.clear();
    EXPECT_TRUE(DrawFailureMessage(roster, {2, 4, 8}, {true, false}).contains(QStringLiteral("only one heat")));
    EXPECT_TRUE(DrawFailureMessage(roster, {1, 4, 8}, {true, false}).startsWith(kBadLuck));
}

// Where a team mate is free it times the pilot: two teams split over two
// heats time each other's heats mate by mate.
TEST(DrawRules, TeamMatesTimeEachOtherWhereTheyAreFree)
{
    CalculationResult result;
    result.completed = true;
    result.rounds = 1;
    result.heats = 2;
    for (int position = 0; position < 4; ++position)
        result.pilots.push_back({position, QStringLiteral("Jan"), QStringLiteral("P%1").arg(position), 10 + position,
                                 position % 2 ? QStringLiteral("Orlík") : QStringLiteral("Sokoli")});
    result.matrix.Set(0, 0, 0, 0);
    result.matrix.Set(0, 0, 1, 1);
    result.matrix.Set(0, 1, 0, 3);
    result.matrix.Set(0, 1, 1, 2);
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const std::optional<Matrix> timekeepers = AssignTimekeepers(result, seed);
        ASSERT_TRUE(timekeepers);
        EXPECT_EQ(timekeepers->At(0, 0, 0), 2);
        EXPECT_EQ(timekeepers->At(0, 0, 1), 3);
        EXPECT_EQ(timekeepers->At(0, 1, 0), 1);
        EXPECT_EQ(timekeepers->At(0, 1, 1), 0);
    }
}
