// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ScheduleJson.h"

#include "contest/ContestFileMembers.h"
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

QJsonArray RoundsJson(const CalculationResult& result)
{
    QJsonArray rounds;
    for (int round = 0; round < std::clamp(result.rounds, 0, kMaxRounds); ++round) {
        QJsonArray heats;
        for (int heat = 0; heat < std::clamp(result.heats, 0, kMaxHeats); ++heat)
            heats.append(HeatJson(result.matrix, round, heat));
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

// The timekeepers are assigned again from the schedule and its seed, which
// gives the ones the draw gave; a schedule where nobody is free to time
// has none.
void ReadTimekeepers(const QJsonObject& schedule, ScheduleReading& reading)
{
    const QJsonValue flag = schedule.value(QLatin1String("timekeepers"));
    if (flag.isUndefined())
        return;
    if (!flag.isBool())
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: \"timekeepers\" must be true or false.")
                              .arg(SchedulePlace()));
    if (flag.toBool())
        AddTimekeepers(reading.result, DrawRules{false, true}, reading.draw.seed);
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
                         {QStringLiteral("rounds"), RoundsJson(result)}};
    if (result.pilots != contest.pilots)
        schedule.insert(QStringLiteral("pilots"), PilotListJson(result.pilots));
    if (result.HasTimekeepers())
        schedule.insert(QStringLiteral("timekeepers"), true);
    if (contest.draw.fromRound > 1)
        schedule.insert(QStringLiteral("fromRound"), contest.draw.fromRound);
    return schedule;
}

ScheduleReading ReadSchedule(const QJsonValue& schedule, const std::vector<PilotRecord>& contestPilots)
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
    if (const std::optional<QString> broken = BrokenScheduleRule(reading.result))
        RefuseContestFile(*broken);
    reading.result.completed = true;
    ReadTimekeepers(object, reading);
    return reading;
}
