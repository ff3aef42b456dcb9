// The pure draw, without widgets or status texts: what a Recalculate command
// spends on drawing alone.
#include "matrix/DrawObserver.h"
#include "matrix/MatrixDraw.h"
#include "matrix/SeededRandom.h"

#include <benchmark/benchmark.h>
#include <numeric>

namespace {

std::vector<PilotRecord> Club(int pilots, bool oneChannel)
{
    std::vector<PilotRecord> roster(pilots);
    for (int position = 0; position < pilots; ++position)
        roster[position] = {position, nullptr, QStringLiteral("Jan"), QStringLiteral("Pilot%1").arg(position),
                            oneChannel ? 35 : 10 + position};
    return roster;
}

void DrawClub(benchmark::State& state, bool oneChannel)
{
    const auto roster = Club(kRosterCapacity, oneChannel);
    std::vector<int> order(roster.size());
    std::iota(order.begin(), order.end(), 0);
    const DrawInput input{roster, order, {kMaxRounds, kMaxHeats, kSlotsPerHeat}};
    DrawObserver quiet;
    unsigned seed = 1;
    for (auto _ : state) {
        SeededRandom random(seed++);
        const DrawOutcome outcome = DrawMatrix(input, random, quiet);
        benchmark::DoNotOptimize(outcome.matrix);
        if (outcome.completed == oneChannel)
            state.SkipWithError("the draw did not end as planned");
    }
}

void HundredPilotsOnHundredChannels(benchmark::State& state) { DrawClub(state, false); }
void HundredPilotsOnOneChannel(benchmark::State& state) { DrawClub(state, true); }

} // namespace

BENCHMARK(HundredPilotsOnHundredChannels)->Unit(benchmark::kMicrosecond);
BENCHMARK(HundredPilotsOnOneChannel)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
