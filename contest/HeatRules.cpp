// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/HeatRules.h"

#include "contest/ScheduleRules.h"
#include "matrix/CalculationResult.h"
#include "text/ControlCharacters.h"

#include <QCoreApplication>
#include <algorithm>

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

std::vector<int> PilotsOfHeat(const CalculationResult& result, int round, int heat)
{
    std::vector<int> pilots;
    for (int slot = 0; slot < kSlotsPerHeat; ++slot)
        if (const int pilot = result.matrix.At(round, heat, slot); pilot != kEmptySlot)
            pilots.push_back(pilot);
    return pilots;
}

// The pilots of the round's last heat that holds any.
std::vector<int> LastHeatPilots(const CalculationResult& result, int round)
{
    for (int heat = std::clamp(result.heats, 0, kMaxHeats) - 1; heat >= 0; --heat)
        if (std::vector<int> pilots = PilotsOfHeat(result, round, heat); !pilots.empty())
            return pilots;
    return {};
}

std::optional<QString> BackToBackBreach(const CalculationResult& result, int round)
{
    if (!result.noBackToBack || round < 0 || round + 1 >= result.rounds)
        return std::nullopt;
    const std::vector<int> pilots = BackToBackPilots(result, round);
    if (pilots.empty())
        return std::nullopt;
    return QCoreApplication::translate("ContestFile", "%1 flies the last heat of round %2 and the first heat of round "
                                                      "%3, back to back.")
        .arg(PilotNamed(result.pilots, pilots.front()), QString::number(round + 1), QString::number(round + 2));
}

}  // namespace

std::optional<QString> HeatRuleBreach(const CalculationResult& result, int round, int heat)
{
    return MatesInOneHeat(result, round, heat);
}

std::optional<QString> RoundRuleBreach(const CalculationResult& result, int round)
{
    for (int heat = 0; heat < result.heats; ++heat)
        if (std::optional<QString> breach = HeatRuleBreach(result, round, heat))
            return breach;
    if (std::optional<QString> breach = BackToBackBreach(result, round - 1))
        return breach;
    return BackToBackBreach(result, round);
}

std::vector<int> BackToBackPilots(const CalculationResult& result, int round)
{
    if (round < 0 || round + 1 >= std::min(result.rounds, kMaxRounds))
        return {};
    const std::vector<int> next = PilotsOfHeat(result, round + 1, 0);
    std::vector<int> both;
    for (int pilot : LastHeatPilots(result, round))
        if (std::find(next.begin(), next.end(), pilot) != next.end())
            both.push_back(pilot);
    return both;
}

QString PilotNamed(const std::vector<PilotRecord>& pilots, int position)
{
    const PilotRecord& pilot = pilots[size_t(position)];
    return QCoreApplication::translate("ContestFile", "pilot %1 (%2 %3)")
        .arg(QString::number(position + 1), WithControlsEscaped(pilot.lastName), WithControlsEscaped(pilot.firstName));
}
