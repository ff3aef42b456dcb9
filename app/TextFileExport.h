#pragma once

#include "app/CommandOutcome.h"

#include <QString>

// Writes a whole text file for an export command: creates the file or
// empties an existing one, writes the text, closes it. A file that cannot be
// opened, written or closed fails with a message naming the file and the
// cause; what was written before a failure stays in the file.
CommandOutcome ExportTextFile(const QString& path, const QString& text);
