// SPDX-License-Identifier: GPL-3.0-or-later
// The balanced draw on six real contest shapes and four perfect ones, beside the random draw on the
// same pilots: the time a default-budget draw takes, the figures it reaches
// and its gap to the counting bound. Counters: largest, never (never-met
// pairs), squares (sum of squared meeting counts), the bound's three figures
// as boundLargest, boundNever, boundSquares, steps, and reached (1 when the
// draw reached the bound and ended there). The random draw's
// benchmark reports the median over seeds 1 to 5 of its completed draws and
// how many of the five failed.
#include "matrix/BalancedDraw.h"
#include "matrix/DrawObserver.h"
#include "matrix/DrawStatistics.h"
#include "matrix/MatrixDraw.h"
#include "matrix/SeededRandom.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <numeric>

namespace {

struct ContestShape {
    int pilots;
    int sharedChannels;    // channels shared by several pilots
    int pilotsPerShared;
    int pairChannels;      // further channels shared by two pilots
    MatrixShape shape;
};

// The shapes, by benchmark argument: six contest shapes, then four where a
// perfect schedule is known to exist.
const ContestShape kShapes[] = {
    {30, 6, 3, 6, {6, 4, 8}},     // 30 pilots, 6 channels × 3 and 6 × 2
    {40, 0, 0, 0, {10, 4, 10}},   // own channels
    {60, 0, 0, 10, {6, 6, 10}},   // 10 channels × 2
    {32, 0, 0, 0, {9, 8, 4}},     // the social golfer shape
    {100, 0, 0, 0, {25, 10, 10}},
    {14, 0, 0, 0, {7, 2, 7}},
    {32, 0, 0, 0, {10, 8, 4}},    // the golfer shape's most rounds
    {16, 0, 0, 0, {5, 4, 4}},     // every pair exactly once
    {25, 0, 0, 0, {6, 5, 5}},     // likewise
    {32, 8, 4, 0, {8, 4, 8}},     // 8 channels × 4: every allowed pair twice
};
constexpr int kShapeCount = int(std::size(kShapes));

// Shared channels first, then one channel per remaining pilot.
std::vector<PilotRecord> RosterFor(const ContestShape& contest)
{
    std::vector<int> channels;
    int channel = 1;
    for (int group = 0; group < contest.sharedChannels; ++group, ++channel)
        channels.insert(channels.end(), contest.pilotsPerShared, channel);
    for (int group = 0; group < contest.pairChannels; ++group, ++channel)
        channels.insert(channels.end(), 2, channel);
    while (static_cast<int>(channels.size()) < contest.pilots)
        channels.push_back(channel++);
    std::vector<PilotRecord> roster;
    for (int position = 0; position < contest.pilots; ++position)
        roster.push_back({position, QStringLiteral("Jan"), QStringLiteral("Pilot%1").arg(position),
                          channels[position]});
    return roster;
}

void ReportFigures(benchmark::State& state, const MeetingFigures& figures, const MeetingBound& bound)
{
    state.counters["largest"] = figures.largest;
    state.counters["never"] = figures.neverMet;
    state.counters["squares"] = double(figures.sumOfSquares);
    state.counters["boundLargest"] = bound.least.largest;
    state.counters["boundNever"] = bound.least.neverMet;
    state.counters["boundSquares"] = double(bound.least.sumOfSquares);
}

// Teams of three (two where a round has only two heats), each mate taken a
// third of the roster apart, so teams cross the shared channels.
std::vector<PilotRecord> WithTeams(std::vector<PilotRecord> roster, const MatrixShape& shape)
{
    const int pilots = int(roster.size());
    const int heats = (pilots + shape.pilotsPerHeat - 1) / shape.pilotsPerHeat;
    const int teamSize = std::min(3, heats);
    const int teams = (pilots + teamSize - 1) / teamSize;
    for (PilotRecord& pilot : roster)
        pilot.team = QStringLiteral("T%1").arg(pilot.index % teams);
    return roster;
}

void DrawAndReport(benchmark::State& state, const ContestShape& contest, unsigned seed, const BalanceSettings& settings,
                   bool teams = false)
{
    const auto roster = teams ? WithTeams(RosterFor(contest), contest.shape) : RosterFor(contest);
    std::vector<int> order(roster.size());
    std::iota(order.begin(), order.end(), 0);
    BalancedOutcome outcome;
    for (auto _ : state) {
        SeededRandom random(seed);
        BalanceObserver quiet;
        outcome = DrawBalanced({roster, order, contest.shape, {}}, random, settings, quiet);
        benchmark::DoNotOptimize(outcome.matrix);
    }
    ReportFigures(state, outcome.figures, outcome.bound);
    state.counters["steps"] = double(outcome.steps);
    state.counters["reached"] = outcome.reachedBound;
}

// Arguments: the shape, the seed.
void BalancedDraw(benchmark::State& state)
{
    DrawAndReport(state, kShapes[state.range(0)], static_cast<unsigned>(state.range(1)), {});
}

// The same shapes and seeds with every pilot in a team (WithTeams): the
// price of team protection in meetings.
void BalancedDrawWithTeams(benchmark::State& state)
{
    DrawAndReport(state, kShapes[state.range(0)], static_cast<unsigned>(state.range(1)), {}, true);
}

// The draw without one of its ingredients (BalanceSearch.h), to show what
// each brings. Arguments: the shape, the seed, the ingredient left out
// (0 the freedom start, 1 conflict-driven moves, 2 the pair tabu, 3 the
// perturbation, 4 the built rounds).
void BalancedDrawWithout(benchmark::State& state)
{
    BalanceSettings settings;
    BalanceIngredients& ingredients = settings.ingredients;
    bool* const leftOut[] = {&ingredients.freedomStart, &ingredients.conflictMoves, &ingredients.pairTabu,
                             &ingredients.perturbation, &ingredients.builtRounds};
    *leftOut[state.range(2)] = false;
    DrawAndReport(state, kShapes[state.range(0)], static_cast<unsigned>(state.range(1)), settings);
}

int Median(std::vector<int> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Argument: the shape.
void RandomDrawSeedsOneToFive(benchmark::State& state)
{
    const ContestShape& contest = kShapes[state.range(0)];
    const auto roster = RosterFor(contest);
    std::vector<int> order(roster.size());
    std::iota(order.begin(), order.end(), 0);
    std::vector<int> largest, never, squares;
    int failed = 0;
    MeetingBound bound;
    for (auto _ : state) {
        largest.clear(), never.clear(), squares.clear();
        failed = 0;
        for (unsigned seed = 1; seed <= 5; ++seed) {
            SeededRandom random(seed);
            DrawObserver quiet;
            const DrawOutcome outcome = DrawMatrix({roster, order, contest.shape, {}}, random, quiet);
            if (!outcome.completed) {
                ++failed;
                continue;
            }
            const DrawStatistics statistics = ComputeDrawStatistics(roster, outcome.matrix, contest.shape.rounds,
                                                                    contest.shape.heats);
            largest.push_back(statistics.figures.largest);
            never.push_back(statistics.figures.neverMet);
            squares.push_back(int(statistics.figures.sumOfSquares));
            bound = statistics.bound;
        }
    }
    ReportFigures(state, {Median(squares), Median(never), Median(largest)}, bound);
    state.counters["failed"] = failed;
}

void AllShapesAndSeeds(benchmark::internal::Benchmark* benchmark)
{
    for (int shape = 0; shape < kShapeCount; ++shape)
        for (int seed = 1; seed <= 5; ++seed)
            benchmark->Args({shape, seed});
}

// The tabu shapes where the ingredients were measured: 30 pilots, the
// golfer shape in 9 and 10 rounds, 8 channels of 4.
void AblationShapesAndSeeds(benchmark::internal::Benchmark* benchmark)
{
    for (int shape : {0, 3, 6, 9})
        for (int ingredient = 0; ingredient < 5; ++ingredient)
            for (int seed = 1; seed <= 5; ++seed)
                benchmark->Args({shape, seed, ingredient});
}

}  // namespace

BENCHMARK(BalancedDraw)->Apply(AllShapesAndSeeds)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BalancedDrawWithTeams)->Apply(AllShapesAndSeeds)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BalancedDrawWithout)->Apply(AblationShapesAndSeeds)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(RandomDrawSeedsOneToFive)->DenseRange(0, kShapeCount - 1)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
