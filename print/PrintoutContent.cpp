// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PrintoutContent.h"

#include "matrix/CalculationResult.h"
#include "matrix/MatrixFileFormat.h"

HeatBlock MatrixHeatBlock(const CalculationResult& result, int round, int heat)
{
    HeatBlock block{HeatHeading(round + 1, heat + 1), {}};
    for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
        const int position = result.matrix.At(round, heat, slot);
        if (position >= 0 && position < static_cast<int>(result.pilots.size()))
            block.pilotLines << MatrixPilotLine(result.pilots[size_t(position)]);
    }
    return block;
}

QString HeatCardLine(const QString& heat)
{
    return QString(7, QChar(' ')) + heat;
}
