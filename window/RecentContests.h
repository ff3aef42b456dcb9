// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The contests opened or saved last, most recent first, as the settings file
// keeps them (key recentContests of the group window), at most
// kRecentContestCount of them.
QStringList LoadRecentContests(const QString& settingsFile);
void SaveRecentContests(const QString& settingsFile, const QStringList& paths);

// The list with the path first, once, and the oldest dropped beyond the count.
QStringList WithRecentContest(QStringList paths, const QString& path);

// The menu's text for the which-th of them: its number as the key, then the
// file's name, whose own ampersands the menu shows as written.
QString RecentContestItemText(int which, const QString& path);
