// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contest/Contest.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The contest file (docs/contest-file.md): the contest written down as JSON
// in UTF-8, and read back. Only a completed schedule is written; a contest
// without one writes no schedule and reads back with an empty result.

// A contest file is far smaller than this (the largest contest, 100 pilots
// in 25 rounds of 10 heats, takes 80 KiB); anything larger is refused unread.
constexpr qsizetype kMaxContestFileBytes = 8 * 1024 * 1024;

QByteArray ContestFileBytes(const Contest& contest);

// Exactly one of the two: the contest, or one sentence saying what is wrong
// with the file and where. Every member is checked before a contest is handed
// back, so a refused file changes nothing.
struct ContestFileReading {
    std::optional<Contest> contest;
    QString error;
};

ContestFileReading ReadContestFile(const QByteArray& bytes);
