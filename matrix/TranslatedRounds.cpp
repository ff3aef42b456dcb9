// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/TranslatedRounds.h"

#include "matrix/SearchRandom.h"

#include <array>
#include <numeric>

namespace {

constexpr int kPilots = 32;
constexpr int kHeatSize = 4;
// Points are 5-bit numbers, adding is exclusive or; the translates are
// those by 0-7, the subspace of the three low bits.
constexpr int kTranslates = 8;

using Heat = std::array<int, kHeatSize>;

// Each round's base heats; their translates fill the round's 8 heats.
const std::vector<std::vector<Heat>> kBaseHeats = {
    {{0, 8, 16, 28}},
    {{0, 6, 9, 15}, {16, 19, 21, 22}, {24, 26, 28, 30}},
    {{0, 13, 19, 24}},
    {{0, 10, 21, 26}},
    {{0, 4, 18, 22}, {8, 11, 25, 26}},
    {{0, 11, 23, 29}},
    {{0, 12, 17, 31}},
    {{0, 14, 20, 25}},
    {{0, 5, 27, 30}, {8, 10, 17, 19}},
    {{0, 1, 2, 3}, {8, 9, 12, 13}, {16, 17, 24, 25}},
};

// The heat of every point: each base heat's translates, in order, the ones
// a translate maps onto an earlier one (a base heat that is a translate of
// a subspace holding that vector) counted once.
std::vector<int> HeatOfPoint(const std::vector<Heat>& baseHeats)
{
    std::vector<int> heatOf(kPilots, -1);
    int heats = 0;
    for (const Heat& base : baseHeats)
        for (int by = 0; by < kTranslates; ++by) {
            if (heatOf[base[0] ^ by] >= 0)
                continue;
            for (int point : base)
                heatOf[point ^ by] = heats;
            ++heats;
        }
    return heatOf;
}

}  // namespace

std::optional<std::vector<std::vector<int>>> TranslatedRounds(int pilots, int heatSize, int rounds,
                                                              SearchRandom& random)
{
    if (pilots != kPilots || heatSize != kHeatSize || rounds < 1 || rounds > int(kBaseHeats.size()))
        return std::nullopt;
    std::vector<int> pointOf(pilots);
    std::iota(pointOf.begin(), pointOf.end(), 0);
    random.Shuffle(pointOf);
    std::vector<std::vector<int>> heatOf;
    for (int round = 0; round < rounds; ++round) {
        const std::vector<int> heatOfPoint = HeatOfPoint(kBaseHeats[round]);
        std::vector<int>& seated = heatOf.emplace_back();
        for (int point : pointOf)
            seated.push_back(heatOfPoint[point]);
    }
    return heatOf;
}
