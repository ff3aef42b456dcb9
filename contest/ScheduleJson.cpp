// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ScheduleJson.h"

#include "contest/ContestFileMembers.h"
#include "contest/HeatRules.h"
#include "contest/PilotListJson.h"
#include "contest/ScheduleRules.h"
#include "matrix/BalancedDraw.h"
#include "matrix/Timekeepers.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <limits>

namespace {

constexpr qint64 kHighestSeed = std::numeric_limits<unsigned>::max();

QString SchedulePlace()
{
    return QCoreApplication::translate("ContestFile", "The schedule");
}

QString DrawKindName(DrawKind kind)
{
    return kind == DrawKind::Balanced ? QStringLiteral("balanced") : QStringLiteral("random");
}

QJsonArray HeatJson(const Matrix& matrix, int round, int heat)
{
    int seats = kSlotsPerHeat;
    while (seats > 0 && matrix.At(round, heat, seats - 1) == kEmptySlot)
        --seats;
    QJsonArray heatJson;
    for (int slot = 0; slot < seats; ++slot) {
        const int position = matrix.At(round, heat, slot);
        heatJson.append(position == kEmptySlot ? QJsonValue(QJsonValue::Null) : QJsonValue(position));
    }
    return heatJson;
}

// The seats of every heat, or who times each seat, by the same layout.
QJsonArray RoundsJson(const CalculationResult& result, const Matrix& matrix)
{
    QJsonArray rounds;
    for (int round = 0; round < std::clamp(result.rounds, 0, kMaxRounds); ++round) {
        QJsonArray heats;
        for (int heat = 0; heat < std::clamp(result.heats, 0, kMaxHeats); ++heat)
            heats.append(HeatJson(matrix, round, heat));
        rounds.append(heats);
    }
    return rounds;
}

DrawRecord ReadDrawRecord(const QJsonObject& schedule)
{
    DrawRecord draw;
    const QJsonValue kind = RequiredMember(schedule, "draw", SchedulePlace());
    if (kind == QJsonValue(DrawKindName(DrawKind::Random)))
        draw.kind = DrawKind::Random;
    else if (kind == QJsonValue(DrawKindName(DrawKind::Balanced)))
        draw.kind = DrawKind::Balanced;
    else
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: \"draw\" must be \"random\" or \"balanced\".")
                              .arg(SchedulePlace()));
    draw.seed = unsigned(WholeNumberMember(schedule, "seed", SchedulePlace(), 0, kHighestSeed));
    draw.effort = int(WholeNumberMember(schedule, "effort", SchedulePlace(), kMinBalanceEffort, kMaxBalanceEffort));
    if (schedule.contains(QLatin1String("fromRound")))
        draw.fromRound = int(WholeNumberMember(schedule, "fromRound", SchedulePlace(), 1, kMaxRounds));
    return draw;
}

int ReadSeat(const QJsonValue& seat, int round, int heat, int slot, int pilots)
{
    if (seat.isNull())
        return kEmptySlot;
    const std::optional<qint64> index = WholeNumber(seat);
    if (!index)
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: seat %2 must be a pilot's index or null.")
                              .arg(HeatPlace(round, heat), QString::number(slot + 1)));
    if (*index < 0 || *index >= pilots)
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: seat %2 holds the index %3, but the pilot "
                                                                     "list has no pilot of that index (it holds %4).")
                              .arg(HeatPlace(round, heat), QString::number(slot + 1), QString::number(*index),
                                   QString::number(pilots)));
    return int(*index);
}

void ReadHeat(const QJsonValue& value, int round, int heat, CalculationResult& result)
{
    const QJsonArray seats = ListEntry(value, HeatPlace(round, heat));
    if (seats.size() > kSlotsPerHeat)
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1 has %2 seats; a heat has at most %3.")
                              .arg(HeatPlace(round, heat), QString::number(seats.size()),
                                   QString::number(kSlotsPerHeat)));
    for (int slot = 0; slot < seats.size(); ++slot)
        result.matrix.Set(round, heat, slot, ReadSeat(seats[slot], round, heat, slot, int(result.pilots.size())));
}

// Every round has as many heats as the first, between one and the matrix's
// largest.
void ReadRound(const QJsonValue& value, int round, CalculationResult& result)
{
    const QJsonArray heats = ListEntry(value, RoundPlace(round));
    if (heats.isEmpty() || heats.size() > kMaxHeats)
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1 has %2 heats; a round has 1 to %3.")
                              .arg(RoundPlace(round), QString::number(heats.size()), QString::number(kMaxHeats)));
    if (round == 0)
        result.heats = int(heats.size());
    else if (heats.size() != result.heats)
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1 differs from round 1 in its number of "
                                                                     "heats (%2 and %3).")
                              .arg(RoundPlace(round), QString::number(heats.size()), QString::number(result.heats)));
    for (int heat = 0; heat < heats.size(); ++heat)
        ReadHeat(heats[heat], round, heat, result);
}

void ReadRounds(const QJsonArray& rounds, CalculationResult& result)
{
    if (rounds.isEmpty() || rounds.size() > kMaxRounds)
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1 has %2 rounds; a schedule has 1 to %3.")
                              .arg(SchedulePlace(), QString::number(rounds.size()), QString::number(kMaxRounds)));
    result.rounds = int(rounds.size());
    for (int round = 0; round < rounds.size(); ++round)
        ReadRound(rounds[round], round, result);
}

std::vector<PilotRecord> ReadDrawnPilots(const QJsonObject& schedule, const std::vector<PilotRecord>& contestPilots)
{
    if (!schedule.contains(QLatin1String("pilots")))
        return contestPilots;
    return ReadPilotList(ListMember(schedule, "pilots", SchedulePlace()), SchedulePlace(),
                         QCoreApplication::translate("ContestFile", "Pilot %1 of the schedule"));
}

QString TimedByPlace()
{
    return QCoreApplication::translate("ContestFile", "The schedule's \"timedBy\"");
}

// The timekeeper of one seat: null for an empty seat, else a pilot who may
// time it.
int ReadTimekeeper(const QJsonValue& value, const CalculationResult& result, int round, int heat, int slot)
{
    const int pilot = result.matrix.At(round, heat, slot);
    if (pilot == kEmptySlot) {
        if (!value.isNull())
            RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: seat %2 is empty, so its timekeeper "
                                                                         "must be null.")
                                  .arg(HeatPlace(round, heat), QString::number(slot + 1)));
        return kEmptySlot;
    }
    const std::optional<qint64> keeper = WholeNumber(value);
    if (!keeper || *keeper < 0 || *keeper >= qint64(result.pilots.size()))
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: the timekeeper of seat %2 must be the index "
                                                                     "of a pilot of the list.")
                              .arg(HeatPlace(round, heat), QString::number(slot + 1)));
    if (!MayTime(result, round, heat, int(*keeper)))
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: %2 may not time seat %3 (%4): a timekeeper "
                                                                     "flies the round, but neither in that heat nor, "
                                                                     "in a round of three heats or more, the next.")
                              .arg(HeatPlace(round, heat), PilotNamed(result.pilots, int(*keeper)),
                                   QString::number(slot + 1), PilotNamed(result.pilots, pilot)));
    return int(*keeper);
}

// "timedBy": per round per heat, as the rounds, the timekeeper of each seat.
Matrix ReadTimedBy(const QJsonArray& rounds, const CalculationResult& result)
{
    if (rounds.size() != result.rounds)
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1 has %2 rounds; the schedule has %3.")
                              .arg(TimedByPlace(), QString::number(rounds.size()), QString::number(result.rounds)));
    Matrix timekeepers;
    for (int round = 0; round < result.rounds; ++round) {
        const QJsonArray heats = ListEntry(rounds[round], RoundPlace(round));
        if (heats.size() != result.heats)
            RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: round %2 has %3 heats; the schedule has "
                                                                         "%4.")
                                  .arg(TimedByPlace(), QString::number(round + 1), QString::number(heats.size()),
                                       QString::number(result.heats)));
        for (int heat = 0; heat < result.heats; ++heat) {
            const QJsonArray seats = ListEntry(heats[heat], HeatPlace(round, heat));
            if (seats.size() > kSlotsPerHeat)
                RefuseContestFile(QCoreApplication::translate("ContestFile", "%1 has %2 seats; a heat has at most %3.")
                                      .arg(HeatPlace(round, heat), QString::number(seats.size()),
                                           QString::number(kSlotsPerHeat)));
            for (int slot = 0; slot < kSlotsPerHeat; ++slot)
                timekeepers.Set(round, heat, slot,
                                ReadTimekeeper(slot < seats.size() ? seats[slot] : QJsonValue(QJsonValue::Null), result,
                                               round, heat, slot));
        }
    }
    return timekeepers;
}

// The timekeepers as the file lists them in "timedBy". A file written
// before the list has only the flag: its timekeepers are assigned again from
// the schedule and its seed, which gives the ones the draw gave; a schedule
// where nobody is free to time has none.
void ReadTimekeepers(const QJsonObject& schedule, ScheduleReading& reading)
{
    const QJsonValue flag = schedule.value(QLatin1String("timekeepers"));
    const bool listed = schedule.contains(QLatin1String("timedBy"));
    if (flag.isUndefined() && !listed)
        return;
    if (!flag.isUndefined() && !flag.isBool())
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: \"timekeepers\" must be true or false.")
                              .arg(SchedulePlace()));
    if (listed && !flag.toBool())
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: \"timedBy\" lists timekeepers, so "
                                                                     "\"timekeepers\" must be true.")
                              .arg(SchedulePlace()));
    if (listed)
        reading.result.timekeepers = ReadTimedBy(ListMember(schedule, "timedBy", SchedulePlace()), reading.result);
    else if (flag.toBool())
        reading.result.timekeepers = AssignTimekeepers(reading.result, reading.draw.seed).value_or(Matrix());
}

// Whether the schedule keeps no back-to-back. A file written before the
// member keeps it where the contest's rules ask for it and no pilot flies
// back to back; Kvorax writes the member whenever those rules ask for it,
// so that a file reads back as written.
bool ReadNoBackToBack(const QJsonObject& schedule, const CalculationResult& result, bool contestAsks)
{
    const QJsonValue flag = schedule.value(QLatin1String("noBackToBack"));
    if (flag.isUndefined()) {
        CalculationResult kept = result;
        kept.noBackToBack = true;
        return contestAsks && !BrokenScheduleRule(kept);
    }
    if (!flag.isBool())
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: \"noBackToBack\" must be true or false.")
                              .arg(SchedulePlace()));
    return flag.toBool();
}

}  // namespace

QJsonValue ScheduleJson(const Contest& contest)
{
    const CalculationResult& result = contest.result;
    if (!result.completed)
        return QJsonValue(QJsonValue::Null);
    QJsonObject schedule{{QStringLiteral("draw"), DrawKindName(contest.draw.kind)},
                         {QStringLiteral("seed"), qint64(contest.draw.seed)},
                         {QStringLiteral("effort"), contest.draw.effort},
                         {QStringLiteral("rounds"), RoundsJson(result, result.matrix)}};
    if (result.pilots != contest.pilots)
        schedule.insert(QStringLiteral("pilots"), PilotListJson(result.pilots));
    if (result.HasTimekeepers()) {
        schedule.insert(QStringLiteral("timekeepers"), true);
        schedule.insert(QStringLiteral("timedBy"), RoundsJson(result, result.timekeepers));
    }
    if (result.noBackToBack || contest.rules.noBackToBack)
        schedule.insert(QStringLiteral("noBackToBack"), result.noBackToBack);
    if (contest.draw.fromRound > 1)
        schedule.insert(QStringLiteral("fromRound"), contest.draw.fromRound);
    return schedule;
}

ScheduleReading ReadSchedule(const QJsonValue& schedule, const std::vector<PilotRecord>& contestPilots,
                             bool contestAsksNoBackToBack)
{
    if (schedule.isNull())
        return {};
    if (!schedule.isObject())
        RefuseContestFile(QCoreApplication::translate("ContestFile", "The contest file: \"schedule\" must be an "
                                                                     "object or null."));
    const QJsonObject object = schedule.toObject();
    ScheduleReading reading;
    reading.draw = ReadDrawRecord(object);
    reading.result.pilots = ReadDrawnPilots(object, contestPilots);
    ReadRounds(ListMember(object, "rounds", SchedulePlace()), reading.result);
    reading.result.noBackToBack = ReadNoBackToBack(object, reading.result, contestAsksNoBackToBack);
    if (const std::optional<QString> broken = BrokenScheduleRule(reading.result))
        RefuseContestFile(*broken);
    reading.result.completed = true;
    ReadTimekeepers(object, reading);
    return reading;
}
