// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ScheduleRules.h"

#include "contest/HeatRules.h"
#include "matrix/CalculationResult.h"

#include <QCoreApplication>
#include <vector>

namespace {

std::optional<QString> BrokenRoundRule(const CalculationResult& result, int round)
{
    std::vector<bool> seated(result.pilots.size(), false);
    for (int heat = 0; heat < result.heats; ++heat) {
        for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
            const int position = result.matrix.At(round, heat, slot);
            if (position == kEmptySlot)
                continue;
            if (seated[size_t(position)])
                return QCoreApplication::translate("ContestFile", "%1 seats %2 twice.")
                    .arg(RoundPlace(round), PilotNamed(result.pilots, position));
            if (!result.pilots[size_t(position)].FliesInRound(round))
                return QCoreApplication::translate("ContestFile", "%1 seats %2, who does not fly in it (withdrawn "
                                                                  "or entered later).")
                    .arg(RoundPlace(round), PilotNamed(result.pilots, position));
            seated[size_t(position)] = true;
        }
    }
    if (std::optional<QString> breach = RoundRuleBreach(result, round))
        return breach;
    for (int position = 0; position < int(seated.size()); ++position)
        if (!seated[size_t(position)] && result.pilots[size_t(position)].FliesInRound(round))
            return QCoreApplication::translate("ContestFile", "%1 leaves out %2.")
                .arg(RoundPlace(round), PilotNamed(result.pilots, position));
    return std::nullopt;
}

}  // namespace

QString RoundPlace(int round)
{
    return QCoreApplication::translate("ContestFile", "Round %1 of the schedule").arg(round + 1);
}

QString HeatPlace(int round, int heat)
{
    return QCoreApplication::translate("ContestFile", "Round %1, heat %2 of the schedule").arg(round + 1).arg(heat + 1);
}

std::optional<QString> BrokenScheduleRule(const CalculationResult& result)
{
    for (int round = 0; round < result.rounds; ++round)
        if (std::optional<QString> broken = BrokenRoundRule(result, round))
            return broken;
    return std::nullopt;
}
