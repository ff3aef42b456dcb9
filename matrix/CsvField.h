// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One field of a spreadsheet line: a text holding a comma, a double quote or
// a line break is enclosed in double quotes with each quote inside doubled,
// so a spreadsheet reads it back whole. A spreadsheet runs a field that
// begins with =, +, -, @ or a tab as a formula, so such a text, and one that
// begins with the apostrophe that marks a spreadsheet's text, is written
// after an apostrophe and shows as typed. Other texts go as they are.
QString CsvField(const QString& text);
// The text of a field read back from such a line, its quotes already undone:
// the apostrophe put before it taken off.
QString CsvFieldText(const QString& field);
