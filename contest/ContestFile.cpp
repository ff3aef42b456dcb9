// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ContestFile.h"

#include "contest/ContestFileMembers.h"
#include "contest/PilotListJson.h"
#include "contest/ScheduleJson.h"
#include "matrix/Timekeepers.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>

namespace {

// Version 2 adds the contest day (withdrawals, late entries, a redraw from a
// round); a contest without them is still written as version 1, byte for
// byte as before, so an older Kvorax opens it.
constexpr int kFileVersion = 2;
constexpr int kFirstFileVersion = 1;
const QString kFormat = QStringLiteral("kvorax-contest");
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

QString FilePlace()
{
    return QCoreApplication::translate("ContestFile", "The contest file");
}

QJsonValue DateJson(const QDate& date)
{
    return date.isValid() ? QJsonValue(date.toString(kDateFormat)) : QJsonValue(QJsonValue::Null);
}

QJsonObject FieldsJson(const MatrixShape& fields)
{
    return {{QStringLiteral("rounds"), fields.rounds},
            {QStringLiteral("heats"), fields.heats},
            {QStringLiteral("pilotsPerHeat"), fields.pilotsPerHeat}};
}

// The rules are written only where one is on, and a file without them (all
// files before the rules) draws as it always did.
QJsonObject RulesJson(const DrawRules& rules)
{
    return {{QStringLiteral("noBackToBack"), rules.noBackToBack}, {QStringLiteral("timekeepers"), rules.timekeepers}};
}

bool FlagMember(const QJsonObject& rules, const char* key, const QString& place)
{
    const QJsonValue value = rules.value(QLatin1String(key));
    if (value.isUndefined())
        return false;
    if (!value.isBool())
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: \"%2\" must be true or false.")
                              .arg(place, QString::fromLatin1(key)));
    return value.toBool();
}

DrawRules ReadRules(const QJsonObject& file)
{
    if (!file.contains(QLatin1String("rules")))
        return {};
    const QJsonObject rules = ObjectMember(file, "rules", FilePlace());
    const QString place = QCoreApplication::translate("ContestFile", "The rules");
    return {FlagMember(rules, "noBackToBack", place), FlagMember(rules, "timekeepers", place)};
}

// The line and column of a parse error, as an editor counts them. The
// parser's offset is in bytes, just past the character it stopped at; a
// column is counted in characters.
QString NotJsonMessage(const QByteArray& bytes, const QJsonParseError& error)
{
    const qsizetype offset = std::clamp<qsizetype>(error.offset - 1, 0, bytes.size());
    int line = 1;
    int column = 1;
    for (qsizetype at = 0; at < offset; ++at) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (byte == '\n') {
            ++line;
            column = 1;
        } else if ((byte & 0xC0) != 0x80) {
            ++column;
        }
    }
    return QCoreApplication::translate("ContestFile", "The contest file is not JSON: %1 at line %2, column %3.")
        .arg(error.errorString(), QString::number(line), QString::number(column));
}

QJsonObject ParseContestFile(const QByteArray& bytes)
{
    if (bytes.size() > kMaxContestFileBytes)
        RefuseContestFile(QCoreApplication::translate("ContestFile", "The contest file is larger than %1 MiB, far "
                                                                     "more than any contest takes.")
                              .arg(kMaxContestFileBytes / (1024 * 1024)));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        RefuseContestFile(NotJsonMessage(bytes, error));
    if (!document.isObject())
        RefuseContestFile(QCoreApplication::translate("ContestFile", "The contest file is not a JSON object."));
    return document.object();
}

void CheckFormatAndVersion(const QJsonObject& file)
{
    if (file.value(QLatin1String("format")) != QJsonValue(kFormat))
        RefuseContestFile(QCoreApplication::translate("ContestFile", "This is not a contest file: its \"format\" "
                                                                     "is not \"%1\".")
                              .arg(kFormat));
    const std::optional<qint64> version = WholeNumber(RequiredMember(file, "version", FilePlace()));
    if (!version || *version < 1)
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: \"version\" must be a whole number from 1.")
                              .arg(FilePlace()));
    if (*version > kFileVersion)
        RefuseContestFile(
            QCoreApplication::translate("ContestFile", "This contest file is of version %1; this Kvorax reads version %2.")
                .arg(QString::number(*version), QString::number(kFileVersion)));
}

// Strictly four digits, a hyphen, two, a hyphen, two: Qt's own ISO reading
// would also take other separators and a time after the date.
QDate ReadDate(const QJsonObject& file)
{
    const QJsonValue value = RequiredMember(file, "date", FilePlace());
    if (value.isNull())
        return {};
    static const QRegularExpression shape(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate date = value.isString() && shape.match(value.toString()).hasMatch()
                           ? QDate::fromString(value.toString(), kDateFormat)
                           : QDate();
    if (!date.isValid())
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: \"date\" must be a date written as "
                                                                     "YYYY-MM-DD, or null.")
                              .arg(FilePlace()));
    return date;
}

MatrixShape ReadFields(const QJsonObject& file)
{
    const QJsonObject fields = ObjectMember(file, "fields", FilePlace());
    const QString place = QCoreApplication::translate("ContestFile", "The fields");
    return {int(WholeNumberMember(fields, "rounds", place, kMinRounds, kMaxRounds)),
            int(WholeNumberMember(fields, "heats", place, kMinHeats, kMaxHeats)),
            int(WholeNumberMember(fields, "pilotsPerHeat", place, kMinPilotsPerHeat, kSlotsPerHeat))};
}

// An older Kvorax ignores "timedBy" and assigns the timekeepers from the
// seed: where a change by hand has timed the schedule otherwise, it would
// show other timekeepers for rounds already flown, so it is not to open it.
bool TimedOtherThanSeedTimes(const CalculationResult& result, unsigned seed)
{
    return result.HasTimekeepers() && AssignTimekeepers(result, seed) != result.timekeepers;
}

bool HasContestDay(const Contest& contest)
{
    const auto marked = [](const PilotRecord& pilot) { return pilot.withdrawnFromRound > 0 || pilot.lateFromRound > 0; };
    return contest.draw.fromRound > 1 || std::any_of(contest.pilots.begin(), contest.pilots.end(), marked)
           || std::any_of(contest.result.pilots.begin(), contest.result.pilots.end(), marked)
           || TimedOtherThanSeedTimes(contest.result, contest.draw.seed);
}

Contest ReadContest(const QByteArray& bytes)
{
    const QJsonObject file = ParseContestFile(bytes);
    CheckFormatAndVersion(file);
    Contest contest;
    contest.name = TextMember(file, "name", FilePlace(), kContestNameChars);
    contest.date = ReadDate(file);
    contest.fields = ReadFields(file);
    contest.rules = ReadRules(file);
    contest.pilots = ReadPilotList(ListMember(file, "pilots", FilePlace()), FilePlace(),
                                   QCoreApplication::translate("ContestFile", "Pilot %1"));
    ScheduleReading schedule =
        ReadSchedule(RequiredMember(file, "schedule", FilePlace()), contest.pilots, contest.rules.noBackToBack);
    contest.result = std::move(schedule.result);
    contest.draw = schedule.draw;
    return contest;
}

}  // namespace

QByteArray ContestFileBytes(const Contest& contest)
{
    QJsonObject file{{QStringLiteral("format"), kFormat},
                     {QStringLiteral("version"), HasContestDay(contest) ? kFileVersion : kFirstFileVersion},
                           {QStringLiteral("name"), contest.name},
                           {QStringLiteral("date"), DateJson(contest.date)},
                           {QStringLiteral("fields"), FieldsJson(contest.fields)},
                           {QStringLiteral("pilots"), PilotListJson(contest.pilots)},
                           {QStringLiteral("schedule"), ScheduleJson(contest)}};
    if (contest.rules != DrawRules{})
        file.insert(QStringLiteral("rules"), RulesJson(contest.rules));
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

ContestFileReading ReadContestFile(const QByteArray& bytes)
{
    try {
        return {ReadContest(bytes), {}};
    } catch (const ContestFileFault& fault) {
        return {std::nullopt, fault.message};
    }
}
