// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contest/Contest.h"

#include <QJsonValue>

// The schedule member of the contest file: null unless the contest holds a
// completed calculation; otherwise how it was drawn, per round per heat the
// seats in slot order (a pilot's index, null for a seat left empty inside
// the heat, trailing empty seats left out), who times each seat where it has
// timekeepers, whether it keeps no back-to-back and, when the schedule was
// drawn from another pilot list than the contest's, that list.
QJsonValue ScheduleJson(const Contest& contest);

struct ScheduleReading {
    CalculationResult result;  // empty for null
    DrawRecord draw;
};

// Reads the member back and checks the schedule's rules (ScheduleRules.h)
// and its timekeepers (each may time its seat, Timekeepers.h); the indexes
// name contestPilots unless the schedule lists its own. Whether the
// contest's rules ask for no back-to-back decides it for a schedule written
// before it said so itself. Throws ContestFileFault.
ScheduleReading ReadSchedule(const QJsonValue& schedule, const std::vector<PilotRecord>& contestPilots,
                             bool contestAsksNoBackToBack);
