// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "roster/PilotRecord.h"

#include <QJsonArray>
#include <QString>
#include <span>
#include <vector>

// A pilot list in the contest file: one object per pilot in roster order,
// {"lastName", "firstName", "channel"} and, for a pilot of a team, "team".
// A pilot's index is its position.
QJsonArray PilotListJson(std::span<const PilotRecord> pilots);

// Reads a list written so, checking each pilot against what the pilot
// dialogs hold. listPlace is where the list sits ("The contest file"),
// pilotPlace where a pilot does, with "%1" for its number from 1
// ("Pilot %1"). Throws ContestFileFault.
std::vector<PilotRecord> ReadPilotList(const QJsonArray& list, const QString& listPlace, const QString& pilotPlace);
