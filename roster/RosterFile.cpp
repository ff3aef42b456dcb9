// SPDX-License-Identifier: GPL-3.0-or-later
#include "roster/RosterFile.h"

#include "text/CharacterCount.h"
#include "text/ControlCharacters.h"
#include "roster/RosterFileDecoding.h"

#include <QCoreApplication>

namespace {

// Enough of a line to find it in the file; a whole line of a hundred
// characters would hide the reason behind it.
constexpr int kQuotedLineChars = 40;

bool IsBlankLine(const QString& line)
{
    return line.trimmed().isEmpty();
}

QString QuotedLine(const QString& line)
{
    if (CountCharacters(line) <= kQuotedLineChars)
        return WithControlsEscaped(line);
    return WithControlsEscaped(LimitCharacters(line, kQuotedLineChars)) + QStringLiteral("…");
}

QString FaultText(RosterLineFault fault)
{
    switch (fault) {
    case RosterLineFault::TooFewFields:
        return QCoreApplication::translate("RosterFile",
                                           "has fewer than three fields (last name, first name and channel)");
    case RosterLineFault::SeparatedBySemicolons:
        return QCoreApplication::translate("RosterFile", "separates its fields with semicolons, but the fields of a "
                                                         "pilot must be separated by commas");
    case RosterLineFault::ChannelMissing:
        return QCoreApplication::translate("RosterFile", "has no channel");
    case RosterLineFault::ChannelNotANumber:
        return QCoreApplication::translate("RosterFile", "has a channel that is not a whole number");
    case RosterLineFault::ChannelOutOfRange:
        return QCoreApplication::translate("RosterFile", "has a channel outside %1 to %2")
            .arg(kLowestChannel)
            .arg(kHighestChannel);
    case RosterLineFault::None:
        break;
    }
    return {};
}

QString MoreBadLinesText(int more)
{
    if (more == 0)
        return {};
    if (more == 1)
        return u' ' + QCoreApplication::translate("RosterFile", "1 more line cannot be imported either.");
    return u' ' + QCoreApplication::translate("RosterFile", "%n more lines cannot be imported either.", nullptr, more);
}

void TakeLine(RosterFileReading& reading, const QString& line, int number)
{
    if (IsBlankLine(line))
        return;
    if (const RosterLineFault fault = CheckRosterLine(line); fault != RosterLineFault::None) {
        if (!reading.firstBadLine)
            reading.firstBadLine = BadRosterLine{number, line, fault};
        ++reading.badLineCount;
    } else if (reading.pilotLines.size() < kRosterCapacity) {
        reading.pilotLines << line;
    } else {
        ++reading.leftOut;
    }
}

}  // namespace

QString RosterFileText(std::span<const PilotRecord> pilots)
{
    QString text;
    for (const PilotRecord& pilot : pilots)
        text += FormatRosterLine(pilot) + QLatin1Char('\n');
    return text;
}

RosterFileReading ReadRosterFile(const QByteArray& bytes)
{
    RosterFileReading reading;
    const std::optional<QString> text = DecodeRosterFile(bytes);
    if (!text) {
        reading.isText = false;
        return reading;
    }
    const QStringList lines = SplitRosterLines(*text);
    for (int index = 0; index < lines.size(); ++index)
        TakeLine(reading, lines[index], index + 1);
    if (reading.IsRefused()) {
        reading.pilotLines.clear();
        reading.leftOut = 0;
    }
    return reading;
}

QString RefusedRosterFileMessage(const QString& path, const RosterFileReading& reading)
{
    const QString unchanged = u' ' + QCoreApplication::translate("RosterFile", "The pilot list was not changed.");
    if (!reading.isText)
        return QCoreApplication::translate("RosterFile", "The pilots cannot be imported from \"%1\": it is not text in "
                                                         "UTF-8, UTF-16, UTF-32 or Windows-1250.")
                   .arg(path)
               + unchanged;
    if (!reading.firstBadLine)
        return {};
    const BadRosterLine& bad = *reading.firstBadLine;
    return QCoreApplication::translate("RosterFile", "The pilots cannot be imported from \"%1\": line %2 (\"%3\") %4.")
               .arg(path, QString::number(bad.number), QuotedLine(bad.text), FaultText(bad.fault))
           + MoreBadLinesText(reading.badLineCount - 1) + unchanged;
}

QString LeftOutLinesMessage(const QString& path, int imported, int leftOut)
{
    const QString lines = leftOut == 1 ? QCoreApplication::translate("RosterFile", "1 line was")
                                       : QCoreApplication::translate("RosterFile", "%n lines were", nullptr, leftOut);
    return QCoreApplication::translate("RosterFile", "%1 pilots were imported from \"%2\". The pilot list holds at "
                                                     "most %3 pilots, so %4 left out.")
        .arg(QString::number(imported), path, QString::number(kRosterCapacity), lines);
}
