// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <span>
#include <vector>

struct PilotRecord;

// The pilot list of the registration desk: every pilot of the contest in
// name order with the channel, and a box to tick on arrival.

// The column titles: number, last name, first name, channel, the box.
QStringList PilotListTitles();
// One row per pilot, by last name and then first name, ignoring case as the
// window's pilot list does; the box column holds no text.
std::vector<QStringList> PilotListRows(std::span<const PilotRecord> pilots);
// The line under the list: how many pilots it holds.
QString PilotCountText(int count);
