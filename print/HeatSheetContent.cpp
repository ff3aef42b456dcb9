// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/HeatSheetContent.h"

#include "matrix/CalculationResult.h"
#include "roster/PilotRecord.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

QStringList RowOf(const PilotRecord& pilot, const PilotRecord* timekeeper, const std::vector<SheetColumn>& columns)
{
    QStringList row;
    for (const SheetColumn& column : columns)
        row << (column.IsBlank() ? QString() : column.cell(pilot, timekeeper));
    return row;
}

const PilotRecord* PilotAt(const CalculationResult& result, int position)
{
    return position >= 0 && position < static_cast<int>(result.pilots.size()) ? &result.pilots[size_t(position)]
                                                                              : nullptr;
}

bool HasTeams(const CalculationResult& result)
{
    return std::any_of(result.pilots.begin(), result.pilots.end(),
                       [](const PilotRecord& pilot) { return !pilot.team.isEmpty(); });
}

} // namespace

std::vector<SheetColumn> HeatSheetColumns(const CalculationResult& result)
{
    std::vector<SheetColumn> columns = {
        {QCoreApplication::translate("Printout", "Last name"), [](const PilotRecord& pilot, const PilotRecord*) { return pilot.lastName; }},
        {QCoreApplication::translate("Printout", "First name"), [](const PilotRecord& pilot, const PilotRecord*) { return pilot.firstName; }},
        {QCoreApplication::translate("Printout", "Channel"),
         [](const PilotRecord& pilot, const PilotRecord*) { return QString::number(pilot.frequency); }},
    };
    if (HasTeams(result))
        columns.push_back({QCoreApplication::translate("Printout", "Team"),
                           [](const PilotRecord& pilot, const PilotRecord*) { return pilot.team; }});
    if (result.HasTimekeepers())
        columns.push_back({QCoreApplication::translate("Printout", "Timekeeper"),
                           [](const PilotRecord&, const PilotRecord* timekeeper) {
                               return timekeeper ? timekeeper->lastName + u' ' + timekeeper->firstName : QString();
                           }});
    for (const char* blank : {QT_TRANSLATE_NOOP("Printout", "Flight time"), QT_TRANSLATE_NOOP("Printout", "Landing"),
                              QT_TRANSLATE_NOOP("Printout", "Points")})
        columns.push_back({QCoreApplication::translate("Printout", blank), {}});
    return columns;
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
                if (const PilotRecord* pilot = PilotAt(result, result.matrix.At(round, heat, slot)))
                    sheet.rows.push_back(RowOf(*pilot, PilotAt(result, result.timekeepers.At(round, heat, slot)), columns));
            }
            if (!sheet.rows.empty())
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
