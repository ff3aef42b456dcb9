// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/BalancedDraw.h"

#include "matrix/AffineRounds.h"
#include "matrix/FreedomSeating.h"
#include "matrix/SeatingRepair.h"
#include "matrix/SearchRandom.h"
#include "matrix/TranslatedRounds.h"
#include "roster/PilotMates.h"

#include <algorithm>
#include <cassert>
#include <map>
#include <numeric>
#include <span>

namespace {

// The budget grows with the pilot places of the schedule, and a step looks
// at two heats, so smaller heats get more steps for the same time. Tabu
// search makes one swap for hundreds it weighs, annealing more, so a tabu
// step costs less. The largest field (100 pilots, 25 rounds of heats of 10)
// takes about two seconds on an ordinary desktop. Where the pairs can meet
// evenly (IsEvenSpread) the tabu search gets three times the steps: what
// the 32 pilots on 8 channels of 4 needed in most seeds to reach every pair
// meeting twice, and the golfer field (32 pilots in heats of 4) to keep its
// six repeated pairs; where two rounds force repeats it gained nothing.
constexpr std::int64_t kAnnealStepsPerPlaceAndSeat = 192000;
constexpr std::int64_t kTabuStepsPerPlaceAndSeat = 256000;
constexpr std::int64_t kEvenTabuStepsPerPlaceAndSeat = 768000;
constexpr std::int64_t kLeastSteps = 1600000;
// Annealing did best on large heats, tabu search on small heats and tight
// fields.
constexpr int kLargeHeat = 9;

std::vector<int> ChannelsInListOrder(const DrawInput& input)
{
    std::vector<int> channels;
    for (int position : input.listOrder)
        channels.push_back(input.roster[position].frequency);
    return channels;
}

// The pilots grouped by channel, the busiest channels first, in random order
// within a group and among equally busy channels.
std::vector<int> SeatingOrder(const BalanceState& state, SearchRandom& random)
{
    std::vector<int> order(state.Pilots());
    std::iota(order.begin(), order.end(), 0);
    random.Shuffle(order);
    std::map<int, int> onChannel;
    for (int pilot : order)
        ++onChannel[state.Channel(pilot)];
    std::map<int, int> channelRank;
    for (int pilot : order)
        channelRank.emplace(state.Channel(pilot), int(channelRank.size()));
    std::stable_sort(order.begin(), order.end(), [&](int one, int other) {
        const int oneChannel = state.Channel(one);
        const int otherChannel = state.Channel(other);
        if (onChannel[oneChannel] != onChannel[otherChannel])
            return onChannel[oneChannel] > onChannel[otherChannel];
        return channelRank[oneChannel] < channelRank[otherChannel];
    });
    return order;
}

// Dealing the seating order round the heats in turn: never two channel mates
// in a heat (no channel has more pilots than heats) and the sizes come out
// even. The greedy seating falls back on it when it paints itself into a corner.
// It knows channels only: team mates and pilots back to back are parted
// afterwards by the repair every seated round goes through (SeatingRepair.h).
std::vector<int> DealtRound(const BalanceState& state, const std::vector<int>& order)
{
    std::vector<int> heatOf(state.Pilots());
    for (int turn = 0; turn < state.Pilots(); ++turn)
        heatOf[order[turn]] = turn % state.Heats();
    return heatOf;
}

std::vector<int> GreedyRound(const BalanceState& state, const std::vector<int>& order, SearchRandom& random)
{
    const int heats = state.Heats();
    std::vector<int> heatOf(state.Pilots(), -1);
    std::vector<std::vector<int>> seated(heats);
    for (int pilot : order) {
        int chosen = -1;
        int fewest = 0;
        int ties = 0;
        for (int heat = 0; heat < heats; ++heat) {
            if (int(seated[heat].size()) == state.HeatSize(heat))
                continue;
            int metBefore = 0;
            bool clashes = false;
            for (int other : seated[heat]) {
                metBefore += state.Meetings(pilot, other);
                clashes = clashes || state.IsForbidden(pilot, other);
            }
            if (clashes)
                continue;
            if (chosen < 0 || metBefore < fewest) {
                chosen = heat;
                fewest = metBefore;
                ties = 1;
            } else if (metBefore == fewest && random.Below(++ties) == 0) {
                chosen = heat;
            }
        }
        if (chosen < 0)
            return DealtRound(state, order);
        seated[chosen].push_back(pilot);
        heatOf[pilot] = chosen;
    }
    return heatOf;
}

// Every round is seated through the repair, so the search starts from a
// schedule that keeps the hard rules and its swaps keep them (PartnerFor).
bool SeatRepaired(BalanceState& state, int round, std::vector<int> heatOf, SearchRandom& random)
{
    if (!RepairRound(state, round, heatOf, random))
        return false;
    state.SeatRound(round, heatOf);
    return true;
}

bool SeatGreedily(BalanceState& state, SearchRandom& random)
{
    for (int round : std::vector<int>(state.FreeRounds()))
        if (!SeatRepaired(state, round, GreedyRound(state, SeatingOrder(state, random), random), random))
            return false;
    return true;
}

// Small heats, where tabu search follows, start from the freedom seating;
// a round it cannot seat is seated greedily. Free rounds before `from` are
// seated already.
bool SeatByFreedom(BalanceState& state, int limit, SearchRandom& random, size_t from = 0)
{
    const std::vector<int> rounds = state.FreeRounds();
    for (int round : std::span(rounds).subspan(from)) {
        std::optional<std::vector<int>> heatOf = FreedomRound(state, limit, random);
        if (!heatOf)
            heatOf = GreedyRound(state, SeatingOrder(state, random), random);
        if (!SeatRepaired(state, round, std::move(*heatOf), random))
            return false;
    }
    return true;
}

bool IsAnnealed(const BalanceState& state)
{
    return state.HeatSize(0) >= kLargeHeat;
}

// Where every pilot may meet every other and no round is kept, a field of
// p^n pilots in heats of p^k may have rounds with no repeat built for it
// (AffineRounds.h), and the search then has nothing left to do. 32 pilots
// in heats of 4 allow 9 such rounds; 10, the most that exist, are built
// from a table of translated heats instead (TranslatedRounds.h). Where one
// round more is wanted than can be built, the last is seated by freedom
// and searched. A field it cannot build for draws as it would without it:
// the trial's random numbers are spent only when it builds.
std::optional<std::vector<std::vector<int>>> BuiltRounds(const BalanceState& state, SearchRandom& random)
{
    const int pilots = state.Pilots();
    if (state.Heats() < 2 || state.Heats() * state.HeatSize(0) != pilots)
        return std::nullopt;
    if (int(state.FreeRounds().size()) != state.Rounds())
        return std::nullopt;
    for (int pilot = 0; pilot < pilots; ++pilot)
        if (state.HasMates(pilot))
            return std::nullopt;
    for (int rounds = state.Rounds(); rounds >= std::max(1, state.Rounds() - 1); --rounds) {
        for (auto build : {AffineRounds, TranslatedRounds}) {
            SearchRandom trial = random;
            if (auto built = build(pilots, state.HeatSize(0), rounds, trial)) {
                random = trial;
                return built;
            }
        }
    }
    return std::nullopt;
}

bool SeatBuilt(BalanceState& state, const std::vector<std::vector<int>>& built, SearchRandom& random)
{
    for (size_t round = 0; round < built.size(); ++round)
        if (!SeatRepaired(state, int(round), built[round], random))
            return false;
    return SeatByFreedom(state, 1, random, built.size());
}

bool SeatFirst(BalanceState& state, const MeetingBound& bound, const BalanceSettings& settings, SearchRandom& random)
{
    if (const auto built = settings.ingredients.builtRounds ? BuiltRounds(state, random) : std::nullopt)
        return SeatBuilt(state, *built, random);
    if (settings.ingredients.freedomStart && state.Heats() >= 2 && !IsAnnealed(state))
        return SeatByFreedom(state, std::max(1, bound.least.largest), random);
    return SeatGreedily(state, random);
}

// Team mates may not meet, beside the channel mates the state parts itself.
void ForbidTeamMates(BalanceState& state, const DrawInput& input)
{
    for (int one = 0; one < state.Pilots(); ++one)
        for (int other = one + 1; other < state.Pilots(); ++other)
            if (AreTeamMates(input.roster[input.listOrder[one]], input.roster[input.listOrder[other]]))
                state.Forbid(one, other);
}

std::int64_t ForbiddenPairs(const DrawInput& input)
{
    std::int64_t pairs = 0;
    for (size_t one = 0; one < input.listOrder.size(); ++one)
        for (size_t other = one + 1; other < input.listOrder.size(); ++other)
            pairs += AreMates(input.roster[input.listOrder[one]], input.roster[input.listOrder[other]]);
    return pairs;
}

std::vector<int> PilotsPerTeam(const DrawInput& input)
{
    std::map<QString, int> onTeam;
    for (int position : input.listOrder)
        if (!input.roster[position].team.isEmpty())
            ++onTeam[input.roster[position].team];
    std::vector<int> counts;
    for (const auto& [team, pilots] : onTeam)
        counts.push_back(pilots);
    return counts;
}

DrawRefusal RefusalOf(const DrawInput& input)
{
    const std::vector<int> perChannel = PilotsPerChannel(ChannelsInListOrder(input));
    if (const DrawRefusal refusal = RefusalFor(perChannel, input.shape); refusal != DrawRefusal::None)
        return refusal;
    const int pilots = int(input.listOrder.size());
    return RefusalForRules(pilots, PilotsPerTeam(input), input.shape, input.rules);
}

std::int64_t BudgetFor(const DrawInput& input, const BalanceSettings& settings)
{
    if (settings.steps > 0)
        return settings.steps;
    return DefaultBalanceSteps(input) * std::clamp(settings.effort, kMinBalanceEffort, kMaxBalanceEffort);
}

void Search(SearchProgress& progress, SearchRandom& random, const BalanceIngredients& ingredients)
{
    const BalanceState& state = progress.State();
    if (state.Heats() < 2 || state.Rounds() < 1)
        return;
    if (IsAnnealed(state))
        Anneal(progress, random, progress.Remaining());
    else
        TabuSearch(progress, random, progress.Remaining(), ingredients);
}

// The slots of each heat hold its pilots in list order, the rest stay empty.
// Only the drawn rounds are written, from the matrix's first round on.
Matrix ScheduleOf(const BalanceState& state, const std::vector<int>& seating, const DrawInput& input)
{
    Matrix matrix;
    const int pilots = state.Pilots();
    const int kept = input.KeptRounds();
    for (int round = kept; round < state.Rounds(); ++round) {
        std::vector<int> filled(state.Heats(), 0);
        for (int pilot = 0; pilot < pilots; ++pilot) {
            const int heat = seating[size_t(round) * pilots + pilot];
            matrix.Set(round - kept, heat, filled[heat]++, input.listOrder[pilot]);
        }
    }
    return matrix;
}

// The rounds flown before a redraw, seated as flown; the search then never
// moves a pilot in them, but every meeting in them counts.
void SeatKeptRounds(BalanceState& state, const DrawInput& input)
{
    const size_t pilots = input.listOrder.size();
    for (int round = 0; round < input.KeptRounds(); ++round)
        state.SeatKeptRound(round, input.keptHeats.subspan(round * pilots, pilots));
}

// The counting bound assumes every pilot in every round in even heats,
// which kept rounds need not be: with them the bound only guides the search
// and is never taken as reached.
MeetingBound GuidingBound(const DrawInput& input)
{
    MeetingBound bound = BalancedDrawBound(input);
    if (input.KeptRounds() > 0)
        bound.least.sumOfSquares = -1;
    return bound;
}

}  // namespace

std::int64_t DefaultBalanceSteps(const DrawInput& input)
{
    const int pilots = int(input.listOrder.size());
    const std::vector<int> sizes = EvenHeatSizes(pilots, input.shape);
    const std::int64_t seats = sizes.empty() ? 1 : std::max(1, sizes.front());
    std::int64_t perPlaceAndSeat = kAnnealStepsPerPlaceAndSeat;
    if (seats < kLargeHeat)
        perPlaceAndSeat = IsEvenSpread(BalancedDrawBound(input)) ? kEvenTabuStepsPerPlaceAndSeat
                                                                 : kTabuStepsPerPlaceAndSeat;
    return std::max(kLeastSteps, perPlaceAndSeat * pilots * input.shape.rounds / seats);
}

MeetingBound BalancedDrawBound(const DrawInput& input)
{
    const int pilots = int(input.listOrder.size());
    const std::vector<std::vector<int>> roundSizes(input.KeptRounds() + input.shape.rounds,
                                                   EvenHeatSizes(pilots, input.shape));
    return CountingBound(pilots, ForbiddenPairs(input), roundSizes);
}

BalancedOutcome DrawBalanced(const DrawInput& input, RandomSource& random, const BalanceSettings& settings,
                             BalanceObserver& observer)
{
    assert(input.shape.FitsMatrix());
    assert(input.listOrder.size() == input.roster.size());
    BalancedOutcome outcome;
    outcome.refusal = RefusalOf(input);
    if (outcome.refusal != DrawRefusal::None)
        return outcome;
    const std::vector<int> channels = ChannelsInListOrder(input);
    const int pilots = static_cast<int>(channels.size());
    const std::vector<int> sizes = EvenHeatSizes(pilots, input.shape);
    outcome.bound = GuidingBound(input);
    BalanceState state(channels, input.KeptRounds() + input.shape.rounds, sizes);
    ForbidTeamMates(state, input);
    if (input.rules.noBackToBack)
        state.ForbidBackToBack();
    // A pair that may not meet is forbidden before any round is seated.
    SeatKeptRounds(state, input);
    SearchRandom searchRandom = SearchRandom::SeededFrom(random);
    if (!SeatFirst(state, outcome.bound, settings, searchRandom)) {
        outcome.refusal = DrawRefusal::NoLegalSeating;
        return outcome;
    }
    SearchProgress progress(state, outcome.bound, BudgetFor(input, settings), observer);
    Search(progress, searchRandom, settings.ingredients);
    outcome.matrix = ScheduleOf(state, progress.BestSeating(), input);
    outcome.figures = progress.Best();
    outcome.steps = progress.Steps();
    outcome.stopped = progress.Stopped();
    outcome.reachedBound = outcome.figures.Reaches(outcome.bound.least);
    outcome.completed = true;
    return outcome;
}
