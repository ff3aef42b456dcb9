// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/MatrixFileFormat.h"

#include "matrix/CalculationResult.h"

#include <algorithm>

namespace {

// A slot names a pilot of the calculation's own roster; anything else is
// left out rather than read from beyond that roster.
QString HeatBlock(const CalculationResult& result, int round, int heat)
{
    QString block = u'\n' + HeatHeading(round + 1, heat + 1) + QStringLiteral("\n----------------------------------------\n");
    for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
        const int position = result.matrix.At(round, heat, slot);
        if (position >= 0 && position < int(result.pilots.size()))
            block += MatrixPilotLine(result.pilots[size_t(position)]);
    }
    return block;
}

} // namespace

QString HeatHeading(int round, int heat)
{
    return QStringLiteral("Round %1  Heat %2").arg(round, 2, 10, QLatin1Char('0')).arg(heat, 2, 10, QLatin1Char('0'));
}

QString MatrixPilotLine(const PilotRecord& pilot)
{
    const QString name = pilot.lastName + QStringLiteral(", ") + pilot.firstName;
    return QStringLiteral("  [%1] ").arg(pilot.frequency) + name + QStringLiteral(" \n");
}

QString MatrixFileText(const CalculationResult& result)
{
    const int rounds = std::clamp(result.rounds, 0, kMaxRounds);
    const int heats = std::clamp(result.heats, 0, kMaxHeats);
    QString text;
    for (int round = 0; round < rounds; ++round) {
        for (int heat = 0; heat < heats; ++heat)
            text += HeatBlock(result, round, heat);
    }
    return text;
}
