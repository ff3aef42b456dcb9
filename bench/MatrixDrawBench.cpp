// SPDX-License-Identifier: GPL-3.0-or-later
// The pure draw, without widgets or status texts: what a Recalculate command
// spends on drawing alone.
#include "matrix/DrawObserver.h"
#include "matrix/DrawStatusWriter.h"
#include "matrix/MatrixDraw.h"
#include "matrix/SeededRandom.h"

#include <benchmark/benchmark.h>
#include <numeric>

namespace {

std::vector<PilotRecord> Club(int pilots, bool oneChannel)
{
    std::vector<PilotRecord> roster(pilots);
    for (int position = 0; position < pilots; ++position)
        roster[position] = {position, QStringLiteral("Jan"), QStringLiteral("Pilot%1").arg(position),
                            oneChannel ? 35 : 10 + position};
    return roster;
}

void DrawClub(benchmark::State& state, bool oneChannel, DrawObserver& observer)
{
    const auto roster = Club(kRosterCapacity, oneChannel);
    std::vector<int> order(roster.size());
    std::iota(order.begin(), order.end(), 0);
    const DrawInput input{roster, order, {kMaxRounds, kMaxHeats, kSlotsPerHeat}};
    unsigned seed = 1;
    for (auto _ : state) {
        SeededRandom random(seed++);
        const DrawOutcome outcome = DrawMatrix(input, random, observer);
        benchmark::DoNotOptimize(outcome.matrix);
        if (outcome.completed == oneChannel)
            state.SkipWithError("the draw did not end as planned");
    }
}

void HundredPilotsOnHundredChannels(benchmark::State& state)
{
    DrawObserver quiet;
    DrawClub(state, false, quiet);
}

void HundredPilotsOnOneChannel(benchmark::State& state)
{
    DrawObserver quiet;
    DrawClub(state, true, quiet);
}

// The same with the status texts composed, as the command shows them.
void HundredPilotsOnOneChannelWithStatusTexts(benchmark::State& state)
{
    QString statusLine;
    DrawStatusWriter writer([&statusLine](const QString& text) { statusLine = text; });
    DrawClub(state, true, writer);
}

}  // namespace

BENCHMARK(HundredPilotsOnHundredChannels)->Unit(benchmark::kMicrosecond);
BENCHMARK(HundredPilotsOnOneChannel)->Unit(benchmark::kMillisecond);
BENCHMARK(HundredPilotsOnOneChannelWithStatusTexts)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
