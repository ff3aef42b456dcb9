// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/HeatSheetContent.h"

#include "matrix/CalculationResult.h"
#include "roster/PilotRecord.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

QStringList RowOf(const PilotRecord& pilot, const std::vector<SheetColumn>& columns)
{
    QStringList row;
    for (const SheetColumn& column : columns)
        row << (column.IsBlank() ? QString() : column.cell(pilot));
    return row;
}

} // namespace

std::vector<SheetColumn> HeatSheetColumns()
{
    return {
        {QCoreApplication::translate("Printout", "Last name"), [](const PilotRecord& pilot) { return pilot.lastName; }},
        {QCoreApplication::translate("Printout", "First name"), [](const PilotRecord& pilot) { return pilot.firstName; }},
        {QCoreApplication::translate("Printout", "Channel"), [](const PilotRecord& pilot) { return QString::number(pilot.frequency); }},
        {QCoreApplication::translate("Printout", "Flight time"), {}},
        {QCoreApplication::translate("Printout", "Landing"), {}},
        {QCoreApplication::translate("Printout", "Points"), {}},
    };
}

QString HeatSheetHeading(int round, int heat)
{
    return QCoreApplication::translate("Printout", "Round %1, Heat %2").arg(round, 2, 10, QChar('0')).arg(heat, 2, 10, QChar('0'));
}

std::vector<HeatSheet> HeatSheetsOf(const CalculationResult& result, const std::vector<SheetColumn>& columns)
{
    std::vector<HeatSheet> sheets;
    const int rounds = std::clamp(result.rounds, 0, kMaxRounds);
    const int heats = std::clamp(result.heats, 0, kMaxHeats);
    for (int round = 0; round < rounds; ++round)
        for (int heat = 0; heat < heats; ++heat) {
            HeatSheet sheet{HeatSheetHeading(round + 1, heat + 1), {}};
            for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
                const int position = result.matrix.At(round, heat, slot);
                if (position >= 0 && position < static_cast<int>(result.pilots.size()))
                    sheet.rows.push_back(RowOf(result.pilots[size_t(position)], columns));
            }
            sheets.push_back(sheet);
        }
    return sheets;
}

QStringList ColumnTitles(const std::vector<SheetColumn>& columns)
{
    QStringList titles;
    for (const SheetColumn& column : columns)
        titles << column.title;
    return titles;
}

QString TimekeeperSignatureText()
{
    return QCoreApplication::translate("Printout", "Timekeeper's signature:");
}
