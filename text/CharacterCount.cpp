// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/CharacterCount.h"

namespace {

bool IsSurrogatePairAt(QStringView text, qsizetype unit)
{
    return text[unit].isHighSurrogate() && unit + 1 < text.size() && text[unit + 1].isLowSurrogate();
}

}  // namespace

qsizetype UnitsOfCharacters(QStringView text, int maxChars)
{
    qsizetype units = 0;
    for (int count = 0; count < maxChars && units < text.size(); ++count)
        units += IsSurrogatePairAt(text, units) ? 2 : 1;
    return units;
}

int CountCharacters(QStringView text)
{
    int count = 0;
    for (qsizetype unit = 0; unit < text.size(); unit += IsSurrogatePairAt(text, unit) ? 2 : 1)
        ++count;
    return count;
}

QString LimitCharacters(const QString& text, int maxChars)
{
    return text.left(UnitsOfCharacters(text, maxChars));
}
