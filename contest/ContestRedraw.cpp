// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ContestRedraw.h"

#include "contest/HeatRules.h"
#include "contest/ScheduleRules.h"
#include "contest/ScheduleSeats.h"
#include "matrix/BalancedDraw.h"
#include "matrix/DrawFailureMessage.h"
#include "matrix/DrawObserver.h"
#include "matrix/SeededRandom.h"
#include "roster/DrawOrder.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// The pilots a redraw seats, as a pilot list of their own: `positions`
// maps each back to the schedule's list.
void SeatPoolOf(RedrawPlan& plan, const Contest& contest, int firstDrawn)
{
    const std::vector<PilotRecord>& pilots = contest.result.pilots;
    for (int position = 0; position < int(pilots.size()); ++position)
        if (pilots[size_t(position)].FliesInRound(firstDrawn)) {
            PilotRecord record = pilots[size_t(position)];
            record.index = int(plan.roster.size());
            plan.roster.push_back(record);
            plan.positions.push_back(position);
        }
    plan.order = DrawOrder(plan.roster);
    for (int round = 0; round < firstDrawn; ++round)
        for (int listed : plan.order)
            plan.keptHeats.push_back(HeatOfPilot(contest, round, plan.positions[size_t(listed)]).value_or(-1));
}

std::optional<Matrix> DrawRounds(const RedrawPlan& plan)
{
    SeededRandom random(plan.seed);
    if (plan.kind == DrawKind::Balanced) {
        BalanceObserver quiet;
        const BalancedOutcome outcome = DrawBalanced(plan.Input(), random, {plan.effort, plan.balanceSteps, {}}, quiet);
        if (outcome.completed)
            return outcome.matrix;
    } else {
        DrawObserver quiet;
        const DrawOutcome outcome = DrawMatrix(plan.Input(), random, quiet);
        if (outcome.completed)
            return outcome.matrix;
    }
    return std::nullopt;
}

void PlaceDrawnRounds(Contest& contest, const RedrawPlan& plan, const Matrix& drawn, int firstDrawn)
{
    CalculationResult& result = contest.result;
    for (int round = firstDrawn; round < result.rounds; ++round)
        for (int heat = 0; heat < kMaxHeats; ++heat)
            for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
                const int listed = drawn.At(round - firstDrawn, heat, slot);
                result.matrix.Set(round, heat, slot, listed == kEmptySlot ? kEmptySlot : plan.positions[size_t(listed)]);
            }
}

// Withdrawals and late entries for rounds after the first drawn still hold.
std::optional<QString> KeepLaterMarks(Contest& contest, int firstDrawn)
{
    for (int position = 0; position < int(contest.result.pilots.size()); ++position) {
        const PilotRecord& pilot = contest.result.pilots[size_t(position)];
        if (pilot.withdrawnFromRound - 1 > firstDrawn)
            for (int round = pilot.withdrawnFromRound - 1; round < contest.result.rounds; ++round)
                if (const std::optional<int> heat = HeatOfPilot(contest, round, position))
                    UnseatFromHeat(contest.result.matrix, round, *heat, position);
        if (pilot.lateFromRound - 1 > firstDrawn && pilot.FliesInRound(pilot.lateFromRound - 1))
            if (std::optional<QString> refusal = SeatFromRound(contest, position, pilot.lateFromRound))
                return refusal;
    }
    return std::nullopt;
}

size_t BackToBackAround(const CalculationResult& result, int round)
{
    return BackToBackPilots(result, round - 1).size() + BackToBackPilots(result, round).size();
}

// Neither draw sees the last kept round as it stands (the random draw not
// at all, the balanced draw not where that round filled more heats), so a
// pilot of its last heat may land in the first heat drawn. Each such pilot
// trades heats with the first pilot of the round whose swap keeps the
// heats' rules and leaves fewer pilots back to back.
void PartBackToBack(Contest& contest, int firstDrawn)
{
    CalculationResult& result = contest.result;
    if (!result.noBackToBack || firstDrawn == 0)
        return;
    for (int pilot : BackToBackPilots(result, firstDrawn - 1)) {
        const std::optional<int> heat = HeatOfPilot(contest, firstDrawn, pilot);
        for (int other = 0; heat && other < int(result.pilots.size()); ++other) {
            const std::optional<int> otherHeat = HeatOfPilot(contest, firstDrawn, other);
            if (!otherHeat || *otherHeat == *heat)
                continue;
            CalculationResult trial = result;
            ExchangeSeats(trial.matrix, firstDrawn, pilot, other);
            if (!HeatRuleBreach(trial, firstDrawn, *heat) && !HeatRuleBreach(trial, firstDrawn, *otherHeat)
                && BackToBackAround(trial, firstDrawn) < BackToBackAround(result, firstDrawn)) {
                result = std::move(trial);
                break;
            }
        }
    }
}

}  // namespace

PlannedRedraw PlanRedraw(const Contest& contest, int fromRound, DrawKind kind, unsigned seed, int effort,
                         std::int64_t balanceSteps)
{
    const CalculationResult& result = contest.result;
    if (!result.completed || !result.HasResult())
        return {std::nullopt, QCoreApplication::translate("ContestDay", "The contest has no schedule to change.")};
    if (fromRound < 1 || fromRound > result.rounds)
        return {std::nullopt, QCoreApplication::translate("ContestDay", "The schedule has rounds 1 to %1; there is no "
                                                                        "round %2.")
                                  .arg(QString::number(result.rounds), QString::number(fromRound))};
    RedrawPlan plan;
    plan.fromRound = fromRound;
    plan.kind = kind;
    plan.seed = seed;
    plan.effort = kind == DrawKind::Balanced ? std::clamp(effort, kMinBalanceEffort, kMaxBalanceEffort)
                                             : kMinBalanceEffort;
    plan.balanceSteps = balanceSteps;
    SeatPoolOf(plan, contest, fromRound - 1);
    plan.shape = {result.rounds - (fromRound - 1), result.heats, HeatCapacity(contest)};
    plan.rules = contest.rules;
    return {std::move(plan), {}};
}

ContestDayChange FinishRedraw(const Contest& contest, const RedrawPlan& plan, const std::optional<Matrix>& drawn)
{
    if (!drawn)
        return {std::nullopt, DrawFailureMessage(plan.roster, plan.shape, plan.rules)};
    const int firstDrawn = plan.fromRound - 1;
    Contest changed = contest;
    changed.result.noBackToBack = contest.rules.noBackToBack;
    PlaceDrawnRounds(changed, plan, *drawn, firstDrawn);
    if (std::optional<QString> refusal = KeepLaterMarks(changed, firstDrawn))
        return {std::nullopt, *refusal};
    PartBackToBack(changed, firstDrawn);
    // The kept rounds too, where the rule was not kept when they were drawn.
    if (std::optional<QString> broken = BrokenScheduleRule(changed.result))
        return {std::nullopt, *broken};
    changed.draw = {plan.kind, plan.seed, plan.effort, plan.fromRound};
    if (std::optional<QString> refusal = RetimeFromRound(changed, plan.fromRound))
        return {std::nullopt, *refusal};
    return {std::move(changed), {}};
}

ContestDayChange RedrawFromRound(const Contest& contest, int fromRound, DrawKind kind, unsigned seed, int effort,
                              std::int64_t balanceSteps)
{
    const PlannedRedraw planned = PlanRedraw(contest, fromRound, kind, seed, effort, balanceSteps);
    if (!planned.plan)
        return {std::nullopt, planned.reason};
    return FinishRedraw(contest, *planned.plan, DrawRounds(*planned.plan));
}
