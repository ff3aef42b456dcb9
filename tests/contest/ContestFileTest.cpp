// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ContestFile.h"

#include "contest/RandomContest.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <variant>

namespace {

// What a contest reads back as: a schedule is kept only when it completed.
Contest AsReadBack(Contest contest)
{
    if (!contest.result.completed) {
        contest.result = {};
        contest.draw = {};
    }
    return contest;
}

// Four pilots, two of them on channel 35, in a complete schedule of two
// rounds of two heats that never puts those two together.
Contest SmallContest()
{
    Contest contest;
    contest.name = QStringLiteral("Jarní pohár");
    contest.date = QDate(2027, 4, 17);
    contest.pilots = {{0, QStringLiteral("Jiří"), QStringLiteral("Dvořák"), 35},
                      {1, QStringLiteral("Žofie"), QStringLiteral("Černá"), 40},
                      {2, QStringLiteral("Jan"), QStringLiteral("Novák"), 35},
                      {3, QStringLiteral("Petr"), QStringLiteral("Šťastný"), 50}};
    contest.fields = {2, 2, 2};
    const int seats[2][2][2] = {{{0, 1}, {2, 3}}, {{0, 3}, {1, 2}}};
    for (int round = 0; round < 2; ++round)
        for (int heat = 0; heat < 2; ++heat)
            for (int slot = 0; slot < 2; ++slot)
                contest.result.matrix.Set(round, heat, slot, seats[round][heat][slot]);
    contest.result = {true, 2, 2, contest.result.matrix, contest.pilots};
    contest.draw = {DrawKind::Balanced, 2026, 3};
    return contest;
}

// A step into a JSON value: a member's key or a list's position.
using Step = std::variant<const char*, int>;

// The value with the member at the path replaced (or removed, for an
// undefined value), as a club's script might have written it.
QJsonValue Edited(const QJsonValue& at, std::span<const Step> path, const QJsonValue& value)
{
    if (path.empty())
        return value;
    if (const auto* key = std::get_if<const char*>(&path[0])) {
        QJsonObject object = at.toObject();
        if (path.size() == 1 && value.isUndefined())
            object.remove(QLatin1String(*key));
        else
            object[QLatin1String(*key)] = Edited(object[QLatin1String(*key)], path.subspan(1), value);
        return object;
    }
    QJsonArray list = at.toArray();
    const int position = std::get<int>(path[0]);
    while (list.size() <= position)
        list.append(QJsonValue());
    list[position] = Edited(list[position], path.subspan(1), value);
    return list;
}

QByteArray EditedFile(std::initializer_list<Step> path, const QJsonValue& value)
{
    const QJsonValue file = QJsonDocument::fromJson(ContestFileBytes(SmallContest())).object();
    return QJsonDocument(Edited(file, {path.begin(), path.end()}, value).toObject()).toJson();
}

QJsonArray Repeated(const QJsonValue& value, int times)
{
    QJsonArray list;
    for (int at = 0; at < times; ++at)
        list.append(value);
    return list;
}

QJsonValue PilotOnChannel(int channel)
{
    return QJsonObject{{"lastName", "Kos"}, {"firstName", "Ivo"}, {"channel", channel}};
}

QJsonArray Heat(std::initializer_list<QJsonValue> seats)
{
    return QJsonArray(seats);
}

// The small contest's schedule with its timekeepers listed as given.
QByteArray TimedFile(const QJsonArray& timedBy)
{
    QJsonObject file = QJsonDocument::fromJson(ContestFileBytes(SmallContest())).object();
    QJsonObject schedule = file["schedule"].toObject();
    schedule["timekeepers"] = true;
    schedule["timedBy"] = timedBy;
    file["schedule"] = schedule;
    return QJsonDocument(file).toJson();
}

}  // namespace

TEST(ContestFile, EveryContestReadsBackAsItWasWritten)
{
    RandomContest contests(20);
    int completed = 0;
    int balanced = 0;
    int drawnFromOtherPilots = 0;
    for (int made = 0; made < 400; ++made) {
        SCOPED_TRACE("contest " + std::to_string(made));
        const Contest contest = contests.Next();
        const QByteArray bytes = ContestFileBytes(contest);
        const ContestFileReading reading = ReadContestFile(bytes);
        ASSERT_TRUE(reading.contest) << reading.error.toStdString();
        EXPECT_TRUE(reading.error.isEmpty());
        EXPECT_TRUE(*reading.contest == AsReadBack(contest));
        EXPECT_EQ(ContestFileBytes(*reading.contest), bytes);
        completed += contest.result.completed;
        balanced += contest.result.completed && contest.draw.kind == DrawKind::Balanced;
        drawnFromOtherPilots += contest.result.completed && contest.result.pilots != contest.pilots;
    }
    // The property covers every kind of schedule, not only the easy ones.
    EXPECT_GT(completed, 100);
    EXPECT_GT(balanced, 40);
    EXPECT_GT(drawnFromOtherPilots, 20);
}

TEST(ContestFile, WritesTheDocumentedMembers)
{
    const QJsonObject file = QJsonDocument::fromJson(ContestFileBytes(SmallContest())).object();
    EXPECT_EQ(file["format"], "kvorax-contest");
    EXPECT_EQ(file["version"], 1);
    EXPECT_EQ(file["date"], "2027-04-17");
    EXPECT_EQ(file["pilots"][1]["lastName"], "Černá");
    EXPECT_EQ(file["schedule"]["draw"], "balanced");
    EXPECT_EQ(file["schedule"]["rounds"][1][0], Heat({0, 3}));
    EXPECT_FALSE(file["schedule"].toObject().contains("pilots"));

    Contest undrawn = SmallContest();
    undrawn.result.completed = false;
    undrawn.date = {};
    const QJsonObject written = QJsonDocument::fromJson(ContestFileBytes(undrawn)).object();
    EXPECT_TRUE(written["schedule"].isNull());
    EXPECT_TRUE(written["date"].isNull());
}

// A file of today's members only, without teams or rules, reads as before,
// and writes none of the new members back; team mates in one heat are
// refused like channel mates.
TEST(ContestFile, TeamsAndRulesAreOptionalAndTeamMatesNeverShareAHeat)
{
    const QByteArray plain = ContestFileBytes(SmallContest());
    EXPECT_FALSE(plain.contains("\"team\"") || plain.contains("\"rules\""));
    const ContestFileReading reading = ReadContestFile(plain);
    ASSERT_TRUE(reading.contest) << reading.error.toStdString();
    EXPECT_EQ(reading.contest->rules, DrawRules{});

    Contest teamed = SmallContest();
    teamed.rules.noBackToBack = true;
    teamed.pilots[3].team = QStringLiteral("Orlík");
    teamed.result.pilots = teamed.pilots;
    const ContestFileReading kept = ReadContestFile(ContestFileBytes(teamed));
    ASSERT_TRUE(kept.contest) << kept.error.toStdString();
    EXPECT_EQ(kept.contest->pilots[3].team, QStringLiteral("Orlík"));
    EXPECT_TRUE(kept.contest->rules.noBackToBack);
    EXPECT_FALSE(kept.contest->rules.timekeepers);

    teamed.pilots[2].team = QStringLiteral("Orlík");  // Novák and Šťastný fly round 1, heat 2 together
    teamed.result.pilots = teamed.pilots;
    const ContestFileReading refused = ReadContestFile(ContestFileBytes(teamed));
    EXPECT_FALSE(refused.contest);
    EXPECT_EQ(refused.error, QStringLiteral("Round 1, heat 2 of the schedule has two pilots of team Orlík: pilot 3 "
                                            "(Novák Jan) and pilot 4 (Šťastný Petr)."));
}

// A name in a refusal shows its control characters as their codes.
TEST(ContestFile, RefusalShowsControlCharactersOfANameAsTheirCodes)
{
    Contest clash = SmallContest();
    clash.pilots[2].lastName = QStringLiteral("No\x1bvák");
    clash.pilots[3].frequency = 35;  // beside Novák in round 1, heat 2
    clash.result.pilots = clash.pilots;
    EXPECT_TRUE(ReadContestFile(ContestFileBytes(clash)).error.contains(QStringLiteral("pilot 3 (No\\x1bvák Jan)")));
}

// Each fault a hand-edited or foreign file may have, with the words the
// organiser needs to find it: what is wrong and where.
TEST(ContestFile, RefusesEachFaultNamingWhatAndWhere)
{
    const QJsonValue missing(QJsonValue::Undefined);
    const QJsonArray round2{Heat({1, 2}), Heat({0, 3})};  // timed legally
    const struct {
        QByteArray file;
        QStringList words;
    } cases[] = {
        {"{\n  \"format\": \"kvorax-contest\",\n  nonsense\n}", {"not JSON", "line 3, column 3"}},
        {"[1, 2]", {"not a JSON object"}},
        {EditedFile({"format"}, "other-program"), {"not a contest file", "format"}},
        {EditedFile({"format"}, missing), {"not a contest file"}},
        {EditedFile({"version"}, 3), {"This contest file is of version 3; this Kvorax reads version 2."}},
        {EditedFile({"version"}, "1"), {"version", "whole number"}},
        {EditedFile({"fields"}, missing), {"\"fields\" is missing"}},
        {EditedFile({"pilots", 1, "lastName"}, 5), {"Pilot 2", "lastName", "text"}},
        {EditedFile({"pilots", 2, "firstName"}, missing), {"Pilot 3", "firstName", "missing"}},
        {EditedFile({"pilots", 0}, 7), {"Pilot 1", "object"}},
        {EditedFile({"name"}, QString(61, u'a')), {"name", "longer than 60"}},
        {EditedFile({"pilots", 3, "lastName"}, QString(31, u'Ř')), {"Pilot 4", "lastName", "longer than 30"}},
        {EditedFile({"pilots", 0, "firstName"}, QString(21, u'ž')), {"Pilot 1", "firstName", "longer than 20"}},
        {EditedFile({"pilots", 2, "channel"}, 9), {"Pilot 3", "channel", "10 to 80"}},
        {EditedFile({"pilots", 2, "team"}, "Orlík, Brno"), {"Pilot 3", "team", "comma"}},
        {EditedFile({"pilots", 1, "lastName"}, "Nová, Černá"), {"Pilot 2", "lastName", "comma"}},
        {EditedFile({"pilots", 2, "team"}, QString(21, u'ž')), {"Pilot 3", "team", "longer than 20"}},
        {EditedFile({"pilots", 2, "team"}, 4), {"Pilot 3", "team", "text"}},
        {EditedFile({"rules"}, true), {"rules", "object"}},
        {EditedFile({"rules", "timekeepers"}, "yes"), {"The rules", "timekeepers", "true or false"}},
        {EditedFile({"pilots", 2, "channel"}, 35.5), {"Pilot 3", "channel", "whole number"}},
        {EditedFile({"pilots"}, Repeated(PilotOnChannel(20), 101)), {"101 pilots", "at most 100"}},
        {EditedFile({"fields", "rounds"}, 26), {"fields", "rounds", "1 to 25"}},
        {EditedFile({"fields", "heats"}, 0), {"fields", "heats", "1 to 10"}},
        {EditedFile({"fields", "pilotsPerHeat"}, 13), {"fields", "pilotsPerHeat", "2 to 12"}},
        {EditedFile({"date"}, "2027-02-30"), {"date", "YYYY-MM-DD"}},
        {EditedFile({"schedule"}, 5), {"schedule", "object or null"}},
        {EditedFile({"schedule", "rounds"}, Repeated(Repeated(Heat({0, 1, 2, 3}), 1), 26)), {"26 rounds", "1 to 25"}},
        {EditedFile({"schedule", "rounds"}, QJsonArray()), {"0 rounds"}},
        {EditedFile({"schedule", "rounds", 0}, Repeated(Heat({}), 11)), {"Round 1 of the schedule", "11 heats"}},
        {EditedFile({"schedule", "rounds", 1}, Repeated(Heat({0, 1, 2, 3}), 1)), {"Round 2", "number of heats (1 and 2)"}},
        {EditedFile({"schedule", "rounds", 1}, "none"), {"Round 2 of the schedule", "list"}},
        {EditedFile({"schedule", "rounds", 0, 1, 12}, 2), {"Round 1, heat 2", "13 seats", "at most 12"}},
        {EditedFile({"schedule", "rounds", 1, 1, 1}, 0), {"Round 2 of the schedule", "pilot 1 (Dvořák Jiří)", "twice"}},
        {EditedFile({"schedule", "rounds", 0, 1}, Heat({2, QJsonValue::Null})), {"Round 1 of", "leaves out", "pilot 4 (Šťastný Petr)"}},
        {EditedFile({"schedule", "rounds", 0, 1, 1}, 7), {"Round 1, heat 2", "seat 2", "index 7"}},
        {EditedFile({"schedule", "rounds", 1, 0, 0}, -1), {"Round 2, heat 1", "seat 1", "index -1"}},
        {EditedFile({"schedule", "rounds", 1, 0, 0}, "Dvořák"), {"Round 2, heat 1", "seat 1", "index or null"}},
        {EditedFile({"schedule", "rounds", 0}, QJsonArray{Heat({0, 2}), Heat({1, 3})}),
         {"Round 1, heat 1", "channel 35", "pilot 1 (Dvořák Jiří)", "pilot 3 (Novák Jan)"}},
        {EditedFile({"schedule", "draw"}, "greedy"), {"schedule", "draw", "\"random\" or \"balanced\""}},
        {EditedFile({"schedule", "effort"}, 11), {"schedule", "effort", "1 to 10"}},
        {EditedFile({"schedule", "seed"}, 4294967296.0), {"schedule", "seed", "0 to 4294967295"}},
        {EditedFile({"schedule", "seed"}, 20.5), {"schedule", "seed", "whole number"}},
        {EditedFile({"schedule", "pilots"}, Repeated(PilotOnChannel(20), 101)), {"The schedule lists 101 pilots"}},
        {EditedFile({"schedule", "pilots"}, QJsonArray{PilotOnChannel(90)}), {"Pilot 1 of the schedule", "channel"}},
        {TimedFile({QJsonArray{Heat({1, 2}), Heat({0, 1})}, round2}), {"Round 1, heat 1", "pilot 2 (Černá Žofie) may not time seat 1"}},
        {TimedFile({QJsonArray{Heat({2}), Heat({0, 1})}, round2}), {"Round 1, heat 1", "seat 2", "index of a pilot"}},
        {TimedFile({QJsonArray{Heat({2, 3, 1}), Heat({0, 1})}, round2}), {"Round 1, heat 1", "seat 3 is empty"}},
        {TimedFile(QJsonArray{QJsonValue(round2)}), {"\"timedBy\" has 1 rounds; the schedule has 2"}},
        {EditedFile({"schedule", "timedBy"}, QJsonArray{round2, round2}), {"\"timekeepers\" must be true"}},
    };
    for (const auto& [file, words] : cases) {
        const ContestFileReading reading = ReadContestFile(file);
        EXPECT_FALSE(reading.contest) << file.toStdString();
        for (const QString& word : words)
            EXPECT_TRUE(reading.error.contains(word)) << reading.error.toStdString() << "\nlacks: " << word.toStdString();
    }
}

TEST(ContestFile, AcceptsWhatTheLimitsStillAllow)
{
    QFile page(QStringLiteral(KVORAX_SOURCE_DIR "/docs/contest-file.md"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray text = page.readAll();
    const qsizetype example = text.indexOf("```json\n") + 8;
    const QString sixtyCharacters = QString(59, u'Ř') + QStringLiteral("\U0001F6E9");  // 61 UTF-16 units
    const QByteArray cases[] = {
        text.mid(example, text.indexOf("```", example) - example),  // the documented example
        EditedFile({"name"}, sixtyCharacters),
        EditedFile({"schedule", "seed"}, 4294967295.0),
        EditedFile({"schedule", "rounds", 0}, QJsonArray{Heat({0, QJsonValue::Null, 1}), Heat({2, 3})}),
        EditedFile({"schedule"}, QJsonValue::Null),
        EditedFile({"unknownMember"}, "a club's note"),
        EditedFile({"pilots", 0, "firstName"}, "Jiří\r\nPetr"),  // the pilot list file keeps a lone CR, --late a LF
    };
    for (const QByteArray& file : cases) {
        const ContestFileReading reading = ReadContestFile(file);
        EXPECT_TRUE(reading.contest) << reading.error.toStdString();
    }
}

TEST(ContestFile, RefusesHugeAndDeeplyNestedFilesAtOnce)
{
    const QByteArray deepLists = QByteArray(10000, '[') + QByteArray(10000, ']');
    QByteArray deepObjects;
    for (int depth = 0; depth < 10000; ++depth)
        deepObjects += "{\"a\":";
    deepObjects += "1" + QByteArray(10000, '}');
    const QByteArray huge = "{\"name\": \"" + QByteArray(100 * 1024 * 1024, 'a') + "\"}";
    for (const QByteArray& file : {deepLists, deepObjects, huge}) {
        const ContestFileReading reading = ReadContestFile(file);
        EXPECT_FALSE(reading.contest);
        EXPECT_FALSE(reading.error.isEmpty());
    }
    EXPECT_TRUE(ReadContestFile(huge).error.contains("larger than 8 MiB"));
    EXPECT_TRUE(ReadContestFile(deepObjects).error.contains("not JSON"));
}
