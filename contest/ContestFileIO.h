// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contest/ContestFile.h"

#include <QString>
#include <optional>

// The contest file on disk. Saving writes a new file beside the chosen one,
// which replaces it only once complete, so the old file survives any
// failure. Both hand back a message naming the file and the reason.

// The message when the contest could not be saved; nothing when it was.
std::optional<QString> SaveContestFile(const QString& path, const Contest& contest);

// A file larger than kMaxContestFileBytes, or one that is no plain file, is
// refused before it is read.
ContestFileReading OpenContestFile(const QString& path);
