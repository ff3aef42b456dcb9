#include "platform/CharacterLimit.h"

#include <algorithm>

namespace {

bool IsSurrogatePairAt(QStringView text, qsizetype unit)
{
    return text[unit].isHighSurrogate() && unit + 1 < text.size() && text[unit + 1].isLowSurrogate();
}

// The UTF-16 units that the first maxChars characters of the text take.
qsizetype UnitsOfCharacters(QStringView text, int maxChars)
{
    qsizetype units = 0;
    for (int count = 0; count < maxChars && units < text.size(); ++count)
        units += IsSurrogatePairAt(text, units) ? 2 : 1;
    return units;
}

}  // namespace

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
