// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/DayStepRun.h"

#include "contest/ContestRedraw.h"

#include <QCoreApplication>

namespace {

std::optional<int> Find(const Contest& contest, const QString& lastName, const QString& firstName, QString& reason)
{
    const std::optional<int> pilot = ScheduledPilotNamed(contest, lastName, firstName);
    if (!pilot)
        reason = QCoreApplication::translate("ContestDay", "The schedule has no pilot %1 %2.").arg(lastName, firstName);
    return pilot;
}

}  // namespace

ContestDayChange RunDayStep(const Contest& contest, const DayStep& step, const DayDrawChoice& draw)
{
    QString reason;
    if (!contest.result.completed)
        return {std::nullopt, QCoreApplication::translate("ContestDay", "The contest has no schedule to change.")};
    switch (step.kind) {
    case DayStep::Kind::Withdraw:
        if (const std::optional<int> pilot = Find(contest, step.lastName, step.firstName, reason))
            return WithdrawPilot(contest, *pilot, step.round);
        break;
    case DayStep::Kind::Late:
        return EnterLatePilot(contest, {0, step.firstName, step.lastName, step.channel}, step.round);
    case DayStep::Kind::Swap: {
        const std::optional<int> one = Find(contest, step.lastName, step.firstName, reason);
        const std::optional<int> other = one ? Find(contest, step.otherLastName, step.otherFirstName, reason) : std::nullopt;
        if (one && other)
            return SwapPilots(contest, step.round - 1, *one, *other);
        break;
    }
    case DayStep::Kind::Move:
        if (const std::optional<int> pilot = Find(contest, step.lastName, step.firstName, reason))
            return MovePilot(contest, step.round - 1, *pilot, step.heat - 1);
        break;
    case DayStep::Kind::Redraw:
        return RedrawFromRound(contest, step.round, draw.kind, draw.seed, draw.effort);
    }
    return {std::nullopt, reason};
}
