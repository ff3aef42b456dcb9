// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/PilotListJson.h"

#include "contest/ContestFileMembers.h"
#include "matrix/Matrix.h"

#include <QCoreApplication>
#include <QJsonObject>

namespace {

// The window keeps each pilot as one line of comma-separated fields, as the
// pilot list file does: a comma inside a name or the team would split that
// line, and the pilot would come back as another one. Nothing Kvorax writes
// holds one (the pilot dialogs, the pilot list file and --late all take
// commas as separators); a line break it may keep, so that is read.
QString PilotLineMember(const QJsonObject& pilot, const char* key, const QString& place, int maxChars)
{
    const QString text = TextMember(pilot, key, place, maxChars);
    if (text.contains(u','))
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: \"%2\" may not contain a comma.")
                              .arg(place, QString::fromLatin1(key)));
    return text;
}

// A pilot without a team has no "team" member, or an empty one.
QString ReadTeam(const QJsonObject& pilot, const QString& place)
{
    if (!pilot.contains(QLatin1String("team")))
        return {};
    return PilotLineMember(pilot, "team", place, kTeamChars).trimmed();
}

int OptionalRound(const QJsonObject& pilot, const char* key, const QString& place);

PilotRecord ReadPilot(const QJsonValue& value, int position, const QString& place)
{
    const QJsonObject pilot = ObjectEntry(value, place);
    PilotRecord record;
    record.index = position;
    record.lastName = PilotLineMember(pilot, "lastName", place, kLastNameChars);
    record.firstName = PilotLineMember(pilot, "firstName", place, kFirstNameChars);
    record.frequency = int(WholeNumberMember(pilot, "channel", place, kLowestChannel, kHighestChannel));
    record.team = ReadTeam(pilot, place);
    record.withdrawnFromRound = OptionalRound(pilot, "withdrawnFromRound", place);
    record.lateFromRound = OptionalRound(pilot, "lateFromRound", place);
    return record;
}

// A file of version 1 has neither contest-day member; each pilot flies every round.
int OptionalRound(const QJsonObject& pilot, const char* key, const QString& place)
{
    if (!pilot.contains(QLatin1String(key)))
        return 0;
    return int(WholeNumberMember(pilot, key, place, 1, kMaxRounds));
}

QJsonObject PilotJson(const PilotRecord& pilot)
{
    QJsonObject object{{QStringLiteral("lastName"), pilot.lastName},
                       {QStringLiteral("firstName"), pilot.firstName},
                       {QStringLiteral("channel"), pilot.frequency}};
    if (!pilot.team.isEmpty())
        object.insert(QStringLiteral("team"), pilot.team);
    if (pilot.withdrawnFromRound > 0)
        object.insert(QStringLiteral("withdrawnFromRound"), pilot.withdrawnFromRound);
    if (pilot.lateFromRound > 0)
        object.insert(QStringLiteral("lateFromRound"), pilot.lateFromRound);
    return object;
}

}  // namespace

QJsonArray PilotListJson(std::span<const PilotRecord> pilots)
{
    QJsonArray list;
    for (const PilotRecord& pilot : pilots)
        list.append(PilotJson(pilot));
    return list;
}

std::vector<PilotRecord> ReadPilotList(const QJsonArray& list, const QString& listPlace, const QString& pilotPlace)
{
    if (list.size() > kRosterCapacity)
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1 lists %2 pilots; a contest holds at most %3.")
                              .arg(listPlace, QString::number(list.size()), QString::number(kRosterCapacity)));
    std::vector<PilotRecord> pilots;
    pilots.reserve(size_t(list.size()));
    for (int position = 0; position < list.size(); ++position)
        pilots.push_back(ReadPilot(list[position], position, pilotPlace.arg(position + 1)));
    return pilots;
}
