#pragma once

#include <QString>

// Writes a whole text file for an export command: creates the file or
// empties an existing one, writes the text, closes it. A file that cannot be
// opened, written or closed is reported in a message box naming the file and
// the cause; what was written before a failure stays in the file.
void ExportTextFile(const QString& path, const QString& text);
