// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/CommandOutcome.h"

#include <QString>

// Writes a whole text file for an export command: the text goes into a new
// file beside the chosen one, which replaces it only once complete. A file
// that cannot be opened, written or closed fails with a message naming the
// file and the cause, and an existing file is left as it was.
CommandOutcome ExportTextFile(const QString& path, const QString& text);
