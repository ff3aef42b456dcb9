// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/HeatListFormat.h"

#include "matrix/CalculationResult.h"
#include "matrix/HeatCardFormat.h"

#include <algorithm>

namespace {

const PilotRecord* PilotAt(const CalculationResult& result, int position)
{
    return position >= 0 && position < int(result.pilots.size()) ? &result.pilots[size_t(position)] : nullptr;
}

QString SeatText(const PilotRecord& pilot, const PilotRecord* timekeeper)
{
    QString text = QStringLiteral("    ") + PilotCardText(pilot);
    if (!pilot.team.isEmpty())
        text += QStringLiteral(", ") + pilot.team;
    if (const QString mark = ContestDayMark(pilot); !mark.isEmpty())
        text += QStringLiteral(", ") + mark;
    text += u':';
    if (timekeeper)
        text += u' ' + timekeeper->lastName + u' ' + timekeeper->firstName;
    return text + u'\n';
}

}  // namespace

QString HeatListText(const CalculationResult& result)
{
    QString text;
    if (!result.completed)
        return text;
    const int rounds = std::clamp(result.rounds, 0, kMaxRounds);
    const int heats = std::clamp(result.heats, 0, kMaxHeats);
    for (int round = 0; round < rounds; ++round)
        for (int heat = 0; heat < heats; ++heat) {
            QString block;
            for (int slot = 0; slot < kSlotsPerHeat; ++slot)
                if (const PilotRecord* pilot = PilotAt(result, result.matrix.At(round, heat, slot)))
                    block += SeatText(*pilot, PilotAt(result, result.timekeepers.At(round, heat, slot)));
            if (!block.isEmpty())
                text += HeatCardText(round + 1, heat + 1) + QStringLiteral("\n-----------------------------------------\n")
                        + block + u'\n';
        }
    return text;
}
