// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <span>
#include <vector>

struct PilotRecord;

// The pilot list of the registration desk: every pilot of the contest in
// name order with the channel and the team, and a box to tick on arrival.

// The column titles: number, last name, first name, channel, the team where
// any of the pilots is in one, and last the box.
QStringList PilotListTitles(std::span<const PilotRecord> pilots);
// One row per pilot, by last name and then first name in the order the
// window's lists sort names in (SortCollation.h), with a text for every
// title; the box column, the last, holds no text.
std::vector<QStringList> PilotListRows(std::span<const PilotRecord> pilots);
// The line under the list: how many pilots it holds.
QString PilotCountText(int count);
