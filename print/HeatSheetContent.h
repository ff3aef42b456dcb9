// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct CalculationResult;
struct PilotRecord;

// What the heat sheets of the timekeepers and scorers hold, before any
// printer is involved: one sheet per heat with a row per pilot.

// A column of a heat sheet: its title and what a pilot's row shows in it,
// given the pilot and the pilot's timekeeper (none where the contest has
// none). A column without a cell is left blank and ruled, for the scorers to
// write in.
struct SheetColumn {
    QString title;
    std::function<QString(const PilotRecord& pilot, const PilotRecord* timekeeper)> cell;
    bool IsBlank() const { return !cell; }
};

// Last name, first name and channel, the team where a pilot of the result
// has one, the timekeeper where the result has them; then flight time,
// landing and points.
std::vector<SheetColumn> HeatSheetColumns(const CalculationResult& result);

// One heat: "Round 01, Heat 02" and one row per pilot placed in it, in slot
// order, one text per column (empty in the blank ones).
struct HeatSheet {
    QString heading;
    std::vector<QStringList> rows;
};

// Round and heat counted from 1, in the window's language.
QString HeatSheetHeading(int round, int heat);
// Every heat of the result that flies, in round and heat order: a heat no
// pilot is seated in (fewer pilots than places) gets no sheet to fill in.
std::vector<HeatSheet> HeatSheetsOf(const CalculationResult& result, const std::vector<SheetColumn>& columns);
QStringList ColumnTitles(const std::vector<SheetColumn>& columns);
// Written under each heat, followed by the line to sign on.
QString TimekeeperSignatureText();
