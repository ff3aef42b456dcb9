// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ScheduleCsv.h"

#include "matrix/CalculationResult.h"
#include "matrix/CsvField.h"

#include <algorithm>

namespace {

QString SeatLine(int round, int heat, const PilotRecord& pilot, const PilotRecord* timekeeper)
{
    return QString::number(round + 1) + u',' + QString::number(heat + 1) + u',' + CsvField(pilot.lastName) + u','
           + CsvField(pilot.firstName) + u',' + QString::number(pilot.frequency) + u',' + CsvField(pilot.team) + u','
           + (timekeeper ? CsvField(timekeeper->lastName) + u',' + CsvField(timekeeper->firstName) : QStringLiteral(","))
           + u'\n';
}

const PilotRecord* TimekeeperOf(const CalculationResult& result, int round, int heat, int slot)
{
    const int keeper = result.timekeepers.At(round, heat, slot);
    return keeper >= 0 && keeper < int(result.pilots.size()) ? &result.pilots[size_t(keeper)] : nullptr;
}

}  // namespace

// A seat names a pilot of the calculation's own roster; an empty seat, or
// anything beyond that roster, gives no line.
QString ScheduleCsvText(const CalculationResult& result)
{
    QString text = QStringLiteral("round,heat,last_name,first_name,channel,team,timekeeper_last_name,"
                                  "timekeeper_first_name\n");
    const int rounds = std::clamp(result.rounds, 0, kMaxRounds);
    const int heats = std::clamp(result.heats, 0, kMaxHeats);
    for (int round = 0; round < rounds; ++round)
        for (int heat = 0; heat < heats; ++heat)
            for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
                const int position = result.matrix.At(round, heat, slot);
                if (position >= 0 && position < int(result.pilots.size()))
                    text += SeatLine(round, heat, result.pilots[size_t(position)],
                                     TimekeeperOf(result, round, heat, slot));
            }
    return text;
}
