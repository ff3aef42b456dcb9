// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds any bytes to the contest file reader. A file it refuses must say
// why; a file it accepts must hold a contest within the dialogs' limits, and
// that contest, written back and read again, must be the same contest and
// write the same bytes. Any other outcome aborts, which libFuzzer reports.

#include "contest/ContestFile.h"
#include "text/CharacterCount.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "contest reader fault: %s\n", what);
    std::abort();
}

void Require(bool condition, const char* what)
{
    if (!condition)
        Fail(what);
}

void RequireWithinLimits(const Contest& contest)
{
    Require(CountCharacters(contest.name) <= kContestNameChars, "contest name too long");
    Require(contest.pilots.size() <= size_t(kRosterCapacity), "more pilots than the roster holds");
    Require(contest.fields.FitsMatrix(), "fields beyond the matrix");
    for (const PilotRecord& pilot : contest.pilots)
        Require(pilot.frequency >= kLowestChannel && pilot.frequency <= kHighestChannel, "channel out of range");
    const CalculationResult& result = contest.result;
    Require(result.rounds >= 0 && result.rounds <= kMaxRounds && result.heats >= 0 && result.heats <= kMaxHeats,
            "schedule beyond the matrix");
    for (int round = 0; round < result.rounds; ++round)
        for (int heat = 0; heat < result.heats; ++heat)
            for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
                const int position = result.matrix.At(round, heat, slot);
                Require(position == kEmptySlot || (position >= 0 && position < int(result.pilots.size())),
                        "a seat names no pilot of the schedule");
            }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ContestFileReading reading = ReadContestFile(bytes);
    if (!reading.contest) {
        Require(!reading.error.isEmpty(), "a refusal without a message");
        return 0;
    }
    Require(reading.error.isEmpty(), "an accepted file with a message");
    RequireWithinLimits(*reading.contest);

    const QByteArray written = ContestFileBytes(*reading.contest);
    const ContestFileReading again = ReadContestFile(written);
    Require(again.contest.has_value(), "a written contest is refused");
    Require(*again.contest == *reading.contest, "a written contest reads back changed");
    Require(ContestFileBytes(*again.contest) == written, "a contest read back writes other bytes");
    return 0;
}
