// SPDX-License-Identifier: GPL-3.0-or-later
// Timing the largest contest: every seat of 25 rounds of 10 heats of 10 given
// a timekeeper, the heats full or (95 pilots) uneven, and the retiming after
// a pilot withdraws half way.
#include "matrix/CalculationResult.h"
#include "matrix/DrawObserver.h"
#include "matrix/MatrixDraw.h"
#include "matrix/SeededRandom.h"
#include "matrix/Timekeepers.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <numeric>

namespace {

CalculationResult DrawnContest(int pilots)
{
    CalculationResult result;
    for (int position = 0; position < pilots; ++position)
        result.pilots.push_back({position, QStringLiteral("Jan"), QStringLiteral("Pilot%1").arg(position),
                                 10 + position, position % 4 ? QString() : QStringLiteral("Team%1").arg(position % 9)});
    std::vector<int> order(result.pilots.size());
    std::iota(order.begin(), order.end(), 0);
    SeededRandom random(7);
    DrawObserver quiet;
    const MatrixShape shape{kMaxRounds, kMaxHeats, kSlotsPerHeat};
    const DrawOutcome outcome = DrawMatrix({result.pilots, order, shape, {false, true}}, random, quiet);
    result.matrix = outcome.matrix;
    result.completed = outcome.completed;
    result.rounds = shape.rounds;
    result.heats = shape.heats;
    return result;
}

// Most jobs less fewest over the pilots who time some round.
int SpreadOverTheAble(const CalculationResult& result, const Matrix& timekeepers)
{
    std::vector<int> timed(result.pilots.size(), 0);
    for (int round = 0; round < kMaxRounds; ++round)
        for (int heat = 0; heat < kMaxHeats; ++heat)
            for (int slot = 0; slot < kSlotsPerHeat; ++slot)
                if (const int keeper = timekeepers.At(round, heat, slot); keeper != kEmptySlot)
                    ++timed[size_t(keeper)];
    timed.erase(timed.begin() + 3);  // the one withdrawn half way, where there is one
    const auto [least, most] = std::minmax_element(timed.begin(), timed.end());
    return *most - *least;
}

void Assign(benchmark::State& state, int pilots, bool withdrawal)
{
    CalculationResult result = DrawnContest(pilots);
    const std::optional<Matrix> first = AssignTimekeepers(result, 1);
    if (!result.completed || !first) {
        state.SkipWithError("the contest was not drawn and timed");
        return;
    }
    result.timekeepers = *first;
    const int from = withdrawal ? kMaxRounds / 2 : 0;
    if (withdrawal) {
        result.pilots[3].withdrawnFromRound = from + 1;
        for (int round = from; round < kMaxRounds; ++round)
            for (int heat = 0; heat < kMaxHeats; ++heat)
                for (int slot = 0; slot < kSlotsPerHeat; ++slot)
                    if (result.matrix.At(round, heat, slot) == 3)
                        result.matrix.Set(round, heat, slot, kEmptySlot);
    }
    unsigned seed = 1;
    std::optional<Matrix> timekeepers;
    for (auto _ : state)
        benchmark::DoNotOptimize(timekeepers = ReassignTimekeepers(result, from, seed++));
    state.counters["spread"] = SpreadOverTheAble(result, *timekeepers);
}

void HundredPilotsInFullHeats(benchmark::State& state) { Assign(state, kRosterCapacity, false); }
void NinetyFivePilotsInUnevenHeats(benchmark::State& state) { Assign(state, kRosterCapacity - 5, false); }
void HundredPilotsOneWithdrawnHalfWay(benchmark::State& state) { Assign(state, kRosterCapacity, true); }

}  // namespace

BENCHMARK(HundredPilotsInFullHeats)->Unit(benchmark::kMillisecond);
BENCHMARK(NinetyFivePilotsInUnevenHeats)->Unit(benchmark::kMillisecond);
BENCHMARK(HundredPilotsOneWithdrawnHalfWay)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
