// SPDX-License-Identifier: GPL-3.0-or-later
// The contest file of the largest contest the window holds: 100 pilots,
// 25 rounds of 10 heats of 12 seats, written as bytes and read back, and
// saved to and opened from a real file.
#include "contest/ContestFile.h"
#include "contest/ContestFileIO.h"
#include "matrix/DrawObserver.h"
#include "matrix/MatrixDraw.h"
#include "matrix/SeededRandom.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <numeric>

namespace {

Contest FullContest()
{
    Contest contest;
    contest.name = QStringLiteral("Mistrovství republiky, Žďár nad Sázavou");
    contest.date = QDate(2027, 4, 17);
    for (int position = 0; position < kRosterCapacity; ++position)
        contest.pilots.push_back({position, QStringLiteral("Jiří"), QStringLiteral("Dvořák-%1").arg(position),
                                  kLowestChannel + position % 50});
    contest.fields = {kMaxRounds, kMaxHeats, kSlotsPerHeat};
    std::vector<int> listOrder(contest.pilots.size());
    std::iota(listOrder.begin(), listOrder.end(), 0);
    DrawObserver quiet;
    SeededRandom random(2026);
    const DrawOutcome outcome = DrawMatrix({contest.pilots, listOrder, contest.fields}, random, quiet);
    contest.result = {outcome.completed, kMaxRounds, kMaxHeats, outcome.matrix, contest.pilots};
    contest.draw = {DrawKind::Random, 2026, 1};
    return contest;
}

void WriteBytes(benchmark::State& state)
{
    const Contest contest = FullContest();
    if (!contest.result.completed)
        state.SkipWithError("the draw did not complete, so no schedule is written");
    for (auto _ : state)
        benchmark::DoNotOptimize(ContestFileBytes(contest));
    state.SetLabel(std::to_string(ContestFileBytes(contest).size()) + " bytes");
}

void ReadBytes(benchmark::State& state)
{
    const QByteArray bytes = ContestFileBytes(FullContest());
    for (auto _ : state)
        if (!ReadContestFile(bytes).contest)
            state.SkipWithError("the contest was refused");
}

void SaveFile(benchmark::State& state)
{
    const Contest contest = FullContest();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("contest.kvorax"));
    for (auto _ : state)
        if (SaveContestFile(path, contest))
            state.SkipWithError("the contest was not saved");
}

void OpenFile(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("contest.kvorax"));
    if (SaveContestFile(path, FullContest()))
        state.SkipWithError("the contest was not saved");
    for (auto _ : state)
        if (!OpenContestFile(path).contest)
            state.SkipWithError("the contest was refused");
}

}  // namespace

BENCHMARK(WriteBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveFile)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenFile)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
