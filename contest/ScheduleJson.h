// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contest/Contest.h"

#include <QJsonValue>

// The schedule member of the contest file: null unless the contest holds a
// completed calculation; otherwise how it was drawn, per round per heat the
// seats in slot order (a pilot's index, null for a seat left empty inside
// the heat, trailing empty seats left out) and, when the schedule was drawn
// from another pilot list than the contest's, that list.
QJsonValue ScheduleJson(const Contest& contest);

struct ScheduleReading {
    CalculationResult result;  // empty for null
    DrawRecord draw;
};

// Reads the member back and checks the schedule's rules (ScheduleRules.h);
// the indexes name contestPilots unless the schedule lists its own.
// Throws ContestFileFault.
ScheduleReading ReadSchedule(const QJsonValue& schedule, const std::vector<PilotRecord>& contestPilots);
