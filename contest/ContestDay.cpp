// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ContestDay.h"

#include "contest/HeatRules.h"
#include "contest/ScheduleSeats.h"
#include "matrix/Timekeepers.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

ContestDayChange Refuse(const QString& reason)
{
    return {std::nullopt, reason};
}

// The changed contest, once the rounds from fromRound (from 1) on are
// timed again; the reason when nobody is free to time some pilot there.
ContestDayChange Retimed(Contest changed, int fromRound)
{
    if (std::optional<QString> refusal = RetimeFromRound(changed, fromRound))
        return Refuse(*refusal);
    return {std::move(changed), {}};
}

// The contest with the pilot on both lists, marked late from fromRound, not
// seated yet.
Contest WithLatePilot(const Contest& contest, const PilotRecord& pilot, int fromRound)
{
    Contest changed = contest;
    PilotRecord entered = pilot;
    entered.lastName = entered.lastName.trimmed();
    entered.firstName = entered.firstName.trimmed();
    entered.withdrawnFromRound = 0;
    entered.lateFromRound = fromRound > 1 ? fromRound : 0;
    entered.index = int(changed.result.pilots.size());
    changed.result.pilots.push_back(entered);
    entered.index = int(changed.pilots.size());
    changed.pilots.push_back(entered);
    return changed;
}

// The first reason the contest cannot take a change in these rounds and of
// these pilots; nothing when it can.
std::optional<QString> ScheduleRefusal(const Contest& contest, int round, std::initializer_list<int> pilots)
{
    const CalculationResult& result = contest.result;
    if (!result.completed || !result.HasResult())
        return QCoreApplication::translate("ContestDay", "The contest has no schedule to change.");
    if (round < 0 || round >= result.rounds)
        return QCoreApplication::translate("ContestDay", "The schedule has rounds 1 to %1; there is no round %2.")
            .arg(QString::number(result.rounds), QString::number(round + 1));
    for (int pilot : pilots)
        if (pilot < 0 || pilot >= int(result.pilots.size()))
            return QCoreApplication::translate("ContestDay", "The schedule has no pilot %1.").arg(pilot + 1);
    return std::nullopt;
}

// The pilot's record on the contest's own list as well, when it is there:
// the list and the schedule show the same marks.
void MarkOnContestList(Contest& contest, const PilotRecord& before, const PilotRecord& after)
{
    for (PilotRecord& listed : contest.pilots)
        if (listed == before) {
            listed.withdrawnFromRound = after.withdrawnFromRound;
            listed.lateFromRound = after.lateFromRound;
            return;
        }
}

std::optional<int> SmallestHeatTaking(const Contest& contest, int round, int pilot)
{
    const CalculationResult& result = contest.result;
    std::vector<int> heats(size_t(result.heats));
    for (int heat = 0; heat < result.heats; ++heat)
        heats[size_t(heat)] = heat;
    std::stable_sort(heats.begin(), heats.end(), [&](int one, int other) {
        return SeatedInHeat(result.matrix, round, one) < SeatedInHeat(result.matrix, round, other);
    });
    for (int heat : heats) {
        if (SeatedInHeat(result.matrix, round, heat) >= HeatCapacity(contest))
            continue;
        CalculationResult trial = result;
        SeatInHeat(trial.matrix, round, heat, pilot);
        if (!RoundRuleBreach(trial, round))
            return heat;
    }
    return std::nullopt;
}

bool IsListed(const std::vector<PilotRecord>& pilots, const PilotRecord& pilot)
{
    return std::any_of(pilots.begin(), pilots.end(), [&](const PilotRecord& listed) {
        return listed.lastName.compare(pilot.lastName.trimmed(), Qt::CaseInsensitive) == 0
               && listed.firstName.compare(pilot.firstName.trimmed(), Qt::CaseInsensitive) == 0;
    });
}

std::optional<QString> LateEntryRefusal(const Contest& contest, const PilotRecord& pilot, int fromRound)
{
    if (std::optional<QString> refusal = ScheduleRefusal(contest, fromRound - 1, {}))
        return refusal;
    if (pilot.lastName.trimmed().isEmpty())
        return QCoreApplication::translate("ContestDay", "A late entry needs the pilot's last name.");
    if (pilot.frequency < kLowestChannel || pilot.frequency > kHighestChannel)
        return QCoreApplication::translate("ContestDay", "%1 flies on channel %2; a channel is %3 to %4.")
            .arg(PersonNamed(pilot), QString::number(pilot.frequency), QString::number(kLowestChannel),
                 QString::number(kHighestChannel));
    if (ScheduledPilotNamed(contest, pilot.lastName, pilot.firstName) || IsListed(contest.pilots, pilot))
        return QCoreApplication::translate("ContestDay", "%1 is on the schedule already.").arg(PersonNamed(pilot));
    if (int(contest.result.pilots.size()) >= kRosterCapacity || int(contest.pilots.size()) >= kRosterCapacity)
        return QCoreApplication::translate("ContestDay", "The contest holds %1 pilots already, the most it takes.").arg(kRosterCapacity);
    return std::nullopt;
}

}  // namespace

ContestDayChange WithdrawPilot(const Contest& contest, int pilot, int fromRound)
{
    if (std::optional<QString> refusal = ScheduleRefusal(contest, fromRound - 1, {pilot}))
        return Refuse(*refusal);
    const PilotRecord& record = contest.result.pilots[size_t(pilot)];
    if (record.withdrawnFromRound > 0 && record.withdrawnFromRound <= fromRound)
        return Refuse(QCoreApplication::translate("ContestDay", "%1 has withdrawn from round %2 already.")
                          .arg(PersonNamed(record), QString::number(record.withdrawnFromRound)));
    if (record.lateFromRound > fromRound)
        return Refuse(QCoreApplication::translate("ContestDay", "%1 enters only from round %2 and cannot withdraw before it.")
                          .arg(PersonNamed(record), QString::number(record.lateFromRound)));
    Contest changed = contest;
    for (int round = fromRound - 1; round < changed.result.rounds; ++round)
        if (const std::optional<int> heat = HeatOfPilot(changed, round, pilot))
            UnseatFromHeat(changed.result.matrix, round, *heat, pilot);
    // A heat left empty moves the last or first heat of its round, which
    // may put the pilots of another heat back to back.
    for (int round = fromRound - 1; round < changed.result.rounds; ++round)
        if (std::optional<QString> breach = RoundRuleBreach(changed.result, round))
            return Refuse(QCoreApplication::translate("ContestDay", "%1 cannot withdraw from round %2: %3")
                              .arg(PersonNamed(record), QString::number(fromRound), *breach));
    PilotRecord& marked = changed.result.pilots[size_t(pilot)];
    marked.withdrawnFromRound = fromRound;
    MarkOnContestList(changed, record, marked);
    return Retimed(std::move(changed), fromRound);
}

ContestDayChange EnterLatePilot(const Contest& contest, const PilotRecord& pilot, int fromRound)
{
    if (std::optional<QString> refusal = LateEntryRefusal(contest, pilot, fromRound))
        return Refuse(*refusal);
    Contest changed = WithLatePilot(contest, pilot, fromRound);
    if (std::optional<QString> refusal = SeatFromRound(changed, int(changed.result.pilots.size()) - 1, fromRound))
        return Refuse(*refusal);
    return Retimed(std::move(changed), fromRound);
}

std::optional<UnseatedLateEntry> LateEntryWithoutAHeat(const Contest& contest, const PilotRecord& pilot, int fromRound)
{
    if (LateEntryRefusal(contest, pilot, fromRound))
        return std::nullopt;
    UnseatedLateEntry entry{WithLatePilot(contest, pilot, fromRound)};
    const int position = int(entry.contest.result.pilots.size()) - 1;
    if (!SeatFromRound(entry.contest, position, fromRound))
        return std::nullopt;
    entry.round = std::max(fromRound, 1);
    while (HeatOfPilot(entry.contest, entry.round - 1, position))
        ++entry.round;
    // The rounds the pilot was seated in are timed afresh; the redraw times the rest.
    ContestDayChange timed = Retimed(std::move(entry.contest), fromRound);
    if (!timed.contest)
        return std::nullopt;
    entry.contest = std::move(*timed.contest);
    return entry;
}

std::optional<QString> SeatFromRound(Contest& contest, int pilot, int fromRound)
{
    for (int round = std::max(0, fromRound - 1); round < contest.result.rounds; ++round) {
        if (!contest.result.pilots[size_t(pilot)].FliesInRound(round))
            continue;
        const std::optional<int> heat = SmallestHeatTaking(contest, round, pilot);
        if (!heat)
            return QCoreApplication::translate("ContestDay", "No heat of round %1 can take %2: each is full (%3 pilots) or would break a rule.")
                .arg(QString::number(round + 1), PersonNamed(contest.result.pilots[size_t(pilot)]),
                     QString::number(HeatCapacity(contest)));
        SeatInHeat(contest.result.matrix, round, *heat, pilot);
    }
    return std::nullopt;
}

ContestDayChange SwapPilots(const Contest& contest, int round, int one, int other)
{
    if (std::optional<QString> refusal = ScheduleRefusal(contest, round, {one, other}))
        return Refuse(*refusal);
    const std::vector<PilotRecord>& pilots = contest.result.pilots;
    const std::optional<int> oneHeat = HeatOfPilot(contest, round, one);
    const std::optional<int> otherHeat = HeatOfPilot(contest, round, other);
    for (const auto& [pilot, heat] : {std::pair{one, oneHeat}, std::pair{other, otherHeat}})
        if (!heat)
            return Refuse(QCoreApplication::translate("ContestDay", "%1 does not fly in round %2.").arg(PersonNamed(pilots[size_t(pilot)]), QString::number(round + 1)));
    if (*oneHeat == *otherHeat)
        return Refuse(QCoreApplication::translate("ContestDay", "%1 and %2 fly in the same heat %3 of round %4 already.")
                          .arg(PersonNamed(pilots[size_t(one)]), PersonNamed(pilots[size_t(other)]),
                               QString::number(*oneHeat + 1), QString::number(round + 1)));
    Contest changed = contest;
    ExchangeSeats(changed.result.matrix, round, one, other);
    if (std::optional<QString> breach = RoundRuleBreach(changed.result, round))
        return Refuse(QCoreApplication::translate("ContestDay", "%1 and %2 cannot swap heats in round %3: %4")
                          .arg(PersonNamed(pilots[size_t(one)]), PersonNamed(pilots[size_t(other)]),
                               QString::number(round + 1), *breach));
    return Retimed(std::move(changed), round + 1);
}

ContestDayChange MovePilot(const Contest& contest, int round, int pilot, int heat)
{
    if (std::optional<QString> refusal = ScheduleRefusal(contest, round, {pilot}))
        return Refuse(*refusal);
    const QString name = PersonNamed(contest.result.pilots[size_t(pilot)]);
    const std::optional<int> from = HeatOfPilot(contest, round, pilot);
    if (!from)
        return Refuse(QCoreApplication::translate("ContestDay", "%1 does not fly in round %2.").arg(name, QString::number(round + 1)));
    if (heat < 0 || heat >= contest.result.heats)
        return Refuse(QCoreApplication::translate("ContestDay", "Round %1 has heats 1 to %2; there is no heat %3.").arg(round + 1).arg(contest.result.heats).arg(heat + 1));
    if (heat == *from)
        return Refuse(QCoreApplication::translate("ContestDay", "%1 flies in heat %2 of round %3 already.")
                          .arg(name, QString::number(heat + 1), QString::number(round + 1)));
    if (SeatedInHeat(contest.result.matrix, round, heat) >= HeatCapacity(contest))
        return Refuse(QCoreApplication::translate("ContestDay", "Heat %1 of round %2 is full: it holds %3 pilots, the most a heat takes.")
                          .arg(heat + 1)
                          .arg(round + 1)
                          .arg(HeatCapacity(contest)));
    Contest changed = contest;
    UnseatFromHeat(changed.result.matrix, round, *from, pilot);
    SeatInHeat(changed.result.matrix, round, heat, pilot);
    if (std::optional<QString> breach = RoundRuleBreach(changed.result, round))
        return Refuse(QCoreApplication::translate("ContestDay", "%1 cannot move to heat %2 of round %3: %4")
                          .arg(name, QString::number(heat + 1), QString::number(round + 1), *breach));
    return Retimed(std::move(changed), round + 1);
}

std::optional<QString> RetimeFromRound(Contest& contest, int fromRound)
{
    CalculationResult& result = contest.result;
    if (!result.HasTimekeepers())
        return std::nullopt;
    const std::optional<Matrix> timekeepers = ReassignTimekeepers(result, fromRound - 1, contest.draw.seed);
    if (!timekeepers)
        return QCoreApplication::translate("ContestDay", "After this change some pilot of round %1 or later would have "
                                                         "nobody free to time them.")
            .arg(fromRound);
    result.timekeepers = *timekeepers;
    return std::nullopt;
}

void ClearContestDayMarks(std::vector<PilotRecord>& pilots)
{
    for (PilotRecord& pilot : pilots)
        pilot.withdrawnFromRound = pilot.lateFromRound = 0;
}

std::optional<int> ScheduledPilotNamed(const Contest& contest, const QString& lastName, const QString& firstName)
{
    const std::vector<PilotRecord>& pilots = contest.result.pilots;
    for (int position = 0; position < int(pilots.size()); ++position)
        if (pilots[size_t(position)].lastName.compare(lastName.trimmed(), Qt::CaseInsensitive) == 0
            && pilots[size_t(position)].firstName.compare(firstName.trimmed(), Qt::CaseInsensitive) == 0)
            return position;
    return std::nullopt;
}

std::optional<int> HeatOfPilot(const Contest& contest, int round, int pilot)
{
    for (int heat = 0; heat < contest.result.heats; ++heat)
        for (int slot = 0; slot < kSlotsPerHeat; ++slot)
            if (contest.result.matrix.At(round, heat, slot) == pilot)
                return heat;
    return std::nullopt;
}
