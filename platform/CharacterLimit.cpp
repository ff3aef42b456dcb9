// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CharacterLimit.h"

CharacterLimitValidator::CharacterLimitValidator(int maxChars, QObject* parent)
    : QValidator(parent)
    , m_maxChars(maxChars)
{
}

QValidator::State CharacterLimitValidator::validate(QString& input, int& position) const
{
    const qsizetype kept = UnitsOfCharacters(input, m_maxChars);
    if (kept == input.size())
        return Acceptable;
    if (position < input.size())
        return Invalid;
    input.truncate(kept);
    position = static_cast<int>(kept);
    return Acceptable;
}
