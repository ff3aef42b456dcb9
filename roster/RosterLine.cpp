// SPDX-License-Identifier: GPL-3.0-or-later
#include "roster/RosterLine.h"

#include "text/CharacterCount.h"

#include <QStringList>
#include <limits>

namespace {

// The blanks the channel may carry around it: those the forgiving reading of
// a channel skips in front of it.
bool IsBlank(QChar character)
{
    return character == u' ' || (character >= u'\t' && character <= u'\r');
}

QStringView WithoutBlanks(QStringView text)
{
    while (!text.isEmpty() && IsBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && IsBlank(text.back()))
        text.chop(1);
    return text;
}

RosterLineFault CheckChannel(QStringView field)
{
    QStringView number = WithoutBlanks(field);
    if (number.isEmpty())
        return RosterLineFault::ChannelMissing;
    const bool negative = number.front() == u'-';
    if (negative || number.front() == u'+')
        number = number.sliced(1);
    if (number.isEmpty())
        return RosterLineFault::ChannelNotANumber;
    for (QChar digit : number) {
        if (digit < u'0' || digit > u'9')
            return RosterLineFault::ChannelNotANumber;
    }
    while (number.size() > 1 && number.front() == u'0')
        number = number.sliced(1);
    // Two digits are all a channel has; a longer number is out of range
    // however it is read.
    const bool inRange = !negative && number.size() <= 2 && number.toInt() >= kLowestChannel
                         && number.toInt() <= kHighestChannel;
    return inRange ? RosterLineFault::None : RosterLineFault::ChannelOutOfRange;
}

}  // namespace

RosterLineFields ReadRosterLine(const QString& line)
{
    const QStringList fields = line.split(u',');
    RosterLineFields read;
    read.lastName = fields[0];
    if (fields.size() > 1)
        read.firstName = fields[1];
    if (fields.size() > 2)
        read.frequency = ConvertLikeAtoi(fields[2]);
    if (fields.size() > 3)
        read.team = fields[3].trimmed();
    return read;
}

QString FormatRosterLine(const QString& lastName, const QString& firstName, int frequency, const QString& team)
{
    const QString line = lastName + u',' + firstName + u',' + QString::number(frequency);
    return team.isEmpty() ? line : line + u',' + team;
}

QString FormatRosterLine(const PilotRecord& pilot)
{
    return FormatRosterLine(pilot.lastName, pilot.firstName, pilot.frequency, pilot.team);
}

void ApplyRosterLine(const RosterLineFields& fields, PilotRecord& pilot)
{
    if (fields.lastName)
        pilot.lastName = LimitCharacters(*fields.lastName, kLastNameChars);
    if (fields.firstName)
        pilot.firstName = LimitCharacters(*fields.firstName, kFirstNameChars);
    if (fields.frequency)
        pilot.frequency = *fields.frequency;
    if (fields.team)
        pilot.team = LimitCharacters(*fields.team, kTeamChars).trimmed();
}

RosterLineFault CheckRosterLine(const QString& line)
{
    const QList<QStringView> fields = QStringView(line).split(u',');
    if (fields.size() >= 3)
        return CheckChannel(fields[2]);
    if (line.count(u';') >= 2)
        return RosterLineFault::SeparatedBySemicolons;
    return RosterLineFault::TooFewFields;
}

int ConvertLikeAtoi(const QString& text)
{
    int position = 0;
    while (position < text.size() && IsBlank(text[position]))
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
