// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/HeatRules.h"

#include "contest/ScheduleRules.h"
#include "matrix/CalculationResult.h"

#include <QCoreApplication>

namespace {

// Two channel mates or two team mates in one heat.
std::optional<QString> MatesInOneHeat(const CalculationResult& result, int round, int heat)
{
    for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
        const int one = result.matrix.At(round, heat, slot);
        if (one == kEmptySlot)
            continue;
        for (int later = slot + 1; later < kSlotsPerHeat; ++later) {
            const int other = result.matrix.At(round, heat, later);
            if (other == kEmptySlot)
                continue;
            const PilotRecord& onePilot = result.pilots[size_t(one)];
            const PilotRecord& otherPilot = result.pilots[size_t(other)];
            if (onePilot.frequency == otherPilot.frequency)
                return QCoreApplication::translate("ContestFile", "%1 has two pilots on channel %2: %3 and %4.")
                    .arg(HeatPlace(round, heat), QString::number(onePilot.frequency),
                         PilotNamed(result.pilots, one), PilotNamed(result.pilots, other));
            if (!onePilot.team.isEmpty() && onePilot.team == otherPilot.team)
                return QCoreApplication::translate("ContestFile", "%1 has two pilots of team %2: %3 and %4.")
                    .arg(HeatPlace(round, heat), onePilot.team, PilotNamed(result.pilots, one),
                         PilotNamed(result.pilots, other));
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<QString> HeatRuleBreach(const CalculationResult& result, int round, int heat)
{
    return MatesInOneHeat(result, round, heat);
}

QString PilotNamed(const std::vector<PilotRecord>& pilots, int position)
{
    const PilotRecord& pilot = pilots[size_t(position)];
    return QCoreApplication::translate("ContestFile", "pilot %1 (%2 %3)")
        .arg(QString::number(position + 1), pilot.lastName, pilot.firstName);
}
