// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

struct CalculationResult;

// What the two printouts put on paper, before any printer is involved.

// The base font size the organiser chooses for a printout: 8 to 72, 9 unless
// another is chosen.
constexpr int kSmallestBaseFontSize = 8;
constexpr int kLargestBaseFontSize = 72;
constexpr int kDefaultBaseFontSize = 9;

// One heat of the printed matrix: its heading and a line per pilot placed in
// it, in slot order with the empty slots closed up. Round and heat counted
// from 0.
struct HeatBlock {
    QString heading;
    QStringList pilotLines;
};

HeatBlock MatrixHeatBlock(const CalculationResult& result, int round, int heat);

// A heat on a printed heat card: indented by seven blanks.
QString HeatCardLine(const QString& heat);
