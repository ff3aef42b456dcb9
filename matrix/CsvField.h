// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One field of a spreadsheet line: a text holding a comma, a double quote or
// a line break is enclosed in double quotes with each quote inside doubled,
// so a spreadsheet reads it back whole; other texts go as they are.
QString CsvField(const QString& text);
