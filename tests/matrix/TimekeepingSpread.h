// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/CalculationResult.h"
#include "matrix/Timekeepers.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

// The timekeeping spread of a schedule, and the least one its heats allow,
// found by counting alone (no assignment) for small rosters: the jobs of the
// rounds from firstRound on fit into shares of L..L+d per able pilot (one who
// may time some of them, its jobs of the earlier rounds counted) exactly when
// no set of pilots is asked to take more jobs than only they may time, nor
// fewer than they together may time.
struct TimekeepingCount {
    std::vector<std::uint32_t> jobs;  // per job of the rounds from firstRound on, who may time it
    std::vector<int> kept;            // per pilot, its jobs in the rounds before
    std::uint32_t able = 0;

    TimekeepingCount(const CalculationResult& result, int firstRound) : kept(result.pilots.size(), 0)
    {
        for (int round = 0; round < result.rounds; ++round)
            for (int heat = 0; heat < result.heats; ++heat)
                for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
                    if (result.matrix.At(round, heat, slot) == kEmptySlot)
                        continue;
                    if (round < firstRound) {
                        ++kept[size_t(result.timekeepers.At(round, heat, slot))];
                        continue;
                    }
                    std::uint32_t may = 0;
                    for (int keeper = 0; keeper < int(result.pilots.size()); ++keeper)
                        may |= std::uint32_t(MayTime(result, round, heat, keeper)) << keeper;
                    jobs.push_back(may);
                    able |= may;
                }
    }

    bool Fits(int least, int most) const
    {
        for (std::uint32_t set = able;; set = (set - 1) & able) {
            int share = 0, room = 0, onlyThem = 0, anyOfThem = 0;
            for (int keeper = 0; keeper < int(kept.size()); ++keeper)
                if (set >> keeper & 1) {
                    share += std::max(0, least - kept[size_t(keeper)]);
                    room += most - kept[size_t(keeper)];
                }
            for (std::uint32_t may : jobs) {
                onlyThem += (may & ~set) == 0;
                anyOfThem += (may & set) != 0;
            }
            if (onlyThem > room || anyOfThem < share)
                return false;
            if (set == 0)
                return true;
        }
    }

    // The least spread of one or more the jobs fit into.
    int LeastSpread() const
    {
        const int most = *std::max_element(kept.begin(), kept.end()) + int(jobs.size());
        for (int spread = 1;; ++spread)
            for (int least = 0; least <= most; ++least)
                if (Fits(least, least + spread))
                    return spread;
    }

    // The spread over the able pilots of the rounds' timekeepers.
    int SpreadOf(const Matrix& timekeepers, const CalculationResult& result, int firstRound) const
    {
        std::vector<int> timed = kept;
        for (int round = firstRound; round < result.rounds; ++round)
            for (int heat = 0; heat < result.heats; ++heat)
                for (int slot = 0; slot < kSlotsPerHeat; ++slot)
                    if (result.matrix.At(round, heat, slot) != kEmptySlot)
                        ++timed[size_t(timekeepers.At(round, heat, slot))];
        int least = 1 << 30, most = 0;
        for (int keeper = 0; keeper < int(timed.size()); ++keeper)
            if (able >> keeper & 1) {
                least = std::min(least, timed[size_t(keeper)]);
                most = std::max(most, timed[size_t(keeper)]);
            }
        return most - least;
    }
};
