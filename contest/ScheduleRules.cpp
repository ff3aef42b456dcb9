// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ScheduleRules.h"

#include "matrix/CalculationResult.h"

#include <QCoreApplication>
#include <vector>

namespace {

// "pilot 3 (Dvořák Jiří)": the number the organiser sees, counted from 1.
QString PilotNamed(const std::vector<PilotRecord>& pilots, int position)
{
    const PilotRecord& pilot = pilots[size_t(position)];
    return QCoreApplication::translate("ContestFile", "pilot %1 (%2 %3)")
        .arg(QString::number(position + 1), pilot.lastName, pilot.firstName);
}

std::optional<QString> ChannelClash(const CalculationResult& result, int round, int heat)
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
            seated[size_t(position)] = true;
        }
        if (std::optional<QString> clash = ChannelClash(result, round, heat))
            return clash;
    }
    for (int position = 0; position < int(seated.size()); ++position)
        if (!seated[size_t(position)])
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
