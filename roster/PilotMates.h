// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "roster/PilotRecord.h"

// Two pilots who may never fly in one heat: on one channel their radios
// would clash, and team mates help each other on the field (a launch, a
// retrieve, the timing), which they cannot do while both fly.
inline bool AreTeamMates(const PilotRecord& one, const PilotRecord& other)
{
    return !one.team.isEmpty() && one.team == other.team;
}

inline bool AreMates(const PilotRecord& one, const PilotRecord& other)
{
    return one.frequency == other.frequency || AreTeamMates(one, other);
}
