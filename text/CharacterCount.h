// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// Text lengths in characters, not UTF-16 units: a letter outside the basic
// plane counts once and is never split.
int CountCharacters(QStringView text);
QString LimitCharacters(const QString& text, int maxChars);

// The UTF-16 units that the first maxChars characters of the text take.
qsizetype UnitsOfCharacters(QStringView text, int maxChars);
