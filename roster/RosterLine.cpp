#include "roster/RosterLine.h"

#include "text/CharacterCount.h"

#include <QStringList>
#include <limits>

RosterLineFields ReadRosterLine(const QString& line)
{
    const QStringList fields = line.split(u',');
    RosterLineFields read;
    read.lastName = fields[0];
    if (fields.size() > 1)
        read.firstName = fields[1];
    if (fields.size() > 2)
        read.frequency = ConvertLikeAtoi(fields[2]);
    return read;
}

QString FormatRosterLine(const QString& lastName, const QString& firstName, int frequency)
{
    return lastName + u',' + firstName + u',' + QString::number(frequency);
}

QString FormatRosterLine(const PilotRecord& pilot)
{
    return FormatRosterLine(pilot.lastName, pilot.firstName, pilot.frequency);
}

void ApplyRosterLine(const RosterLineFields& fields, PilotRecord& pilot)
{
    if (fields.lastName)
        pilot.lastName = LimitCharacters(*fields.lastName, kLastNameChars);
    if (fields.firstName)
        pilot.firstName = LimitCharacters(*fields.firstName, kFirstNameChars);
    if (fields.frequency)
        pilot.frequency = *fields.frequency;
}

int ConvertLikeAtoi(const QString& text)
{
    int position = 0;
    const auto isBlank = [](QChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
    while (position < text.size() && isBlank(text[position]))
        ++position;
    bool negative = false;
    if (position < text.size() && (text[position] == u'-' || text[position] == u'+'))
        negative = text[position++] == u'-';
    long long value = 0;
    constexpr long long kLimit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    for (; position < text.size() && text[position] >= u'0' && text[position] <= u'9'; ++position)
        value = std::min(value * 10 + (text[position].unicode() - u'0'), kLimit);
    if (negative)
        return static_cast<int>(-value);
    return static_cast<int>(std::min<long long>(value, std::numeric_limits<int>::max()));
}
