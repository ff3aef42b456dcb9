// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/DrawStatistics.h"

#include <algorithm>
#include <map>

namespace {

std::vector<int> PilotsInHeat(const Matrix& matrix, int round, int heat, int pilots)
{
    std::vector<int> seated;
    for (int slot = 0; slot < kSlotsPerHeat; ++slot)
        if (const int position = matrix.At(round, heat, slot); position >= 0 && position < pilots)
            seated.push_back(position);
    return seated;
}

void CountMeetings(DrawStatistics& statistics, const std::vector<int>& seated)
{
    for (size_t one = 0; one < seated.size(); ++one)
        for (size_t other = one + 1; other < seated.size(); ++other) {
            ++statistics.meetings[size_t(seated[one]) * statistics.pilots + seated[other]];
            ++statistics.meetings[size_t(seated[other]) * statistics.pilots + seated[one]];
        }
}

void SummarisePairs(DrawStatistics& statistics)
{
    const int pilots = statistics.pilots;
    statistics.opponents.assign(pilots, {});
    statistics.smallest = -1;
    for (int one = 0; one < pilots; ++one)
        for (int other = 0; other < pilots; ++other) {
            if (!statistics.IsAllowedPair(one, other))
                continue;
            const int met = statistics.Meetings(one, other);
            ++statistics.opponents[one].possible;
            statistics.opponents[one].opponents += met > 0;
            if (other < one)
                continue;
            if (met >= int(statistics.histogram.size()))
                statistics.histogram.resize(met + 1, 0);
            ++statistics.histogram[met];
            statistics.figures.sumOfSquares += std::int64_t(met) * met;
            statistics.figures.neverMet += met == 0;
            statistics.figures.largest = std::max(statistics.figures.largest, met);
            statistics.smallest = statistics.smallest < 0 ? met : std::min(statistics.smallest, met);
        }
    statistics.smallest = std::max(statistics.smallest, 0);
}

}  // namespace

bool DrawStatistics::IsAllowedPair(int one, int other) const
{
    return one != other && channels[one] != channels[other] && (teams[one].isEmpty() || teams[one] != teams[other])
           && (roundsFlown[one] & roundsFlown[other]) != 0;
}

DrawStatistics ComputeDrawStatistics(std::span<const PilotRecord> pilots, const Matrix& matrix, int rounds, int heats)
{
    DrawStatistics statistics;
    statistics.pilots = static_cast<int>(pilots.size());
    for (const PilotRecord& pilot : pilots) {
        statistics.channels.push_back(pilot.frequency);
        statistics.teams.push_back(pilot.team);
        std::uint32_t flown = 0;
        for (int round = 0; round < std::clamp(rounds, 0, kMaxRounds); ++round)
            flown |= pilot.FliesInRound(round) ? std::uint32_t(1) << round : 0;
        statistics.roundsFlown.push_back(flown);
    }
    for (int one = 0; one < statistics.pilots; ++one)
        for (int other = one + 1; other < statistics.pilots; ++other)
            statistics.forbiddenPairs += !statistics.IsAllowedPair(one, other);
    statistics.meetings.assign(size_t(statistics.pilots) * statistics.pilots, 0);
    std::vector<std::vector<int>> heatSizes;
    for (int round = 0; round < std::clamp(rounds, 0, kMaxRounds); ++round) {
        heatSizes.emplace_back();
        for (int heat = 0; heat < std::clamp(heats, 0, kMaxHeats); ++heat) {
            const std::vector<int> seated = PilotsInHeat(matrix, round, heat, statistics.pilots);
            CountMeetings(statistics, seated);
            heatSizes.back().push_back(static_cast<int>(seated.size()));
        }
    }
    SummarisePairs(statistics);
    statistics.bound = CountingBound(statistics.pilots, statistics.forbiddenPairs, heatSizes);
    return statistics;
}
