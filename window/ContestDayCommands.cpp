// SPDX-License-Identifier: GPL-3.0-or-later
// The contest day's changes reach the window here, whoever asks for them: a
// batch run or a menu command. A menu command runs through OnCommand, so each
// change it takes is one undo step like any other.

#include "window/CRaceDlg.h"

#include "contest/ContestDay.h"
#include "contest/ScheduleSeats.h"
#include "contest/ContestRedraw.h"
#include "dialogs/CMovePilotDlg.h"
#include "dialogs/CRedrawFromDlg.h"
#include "dialogs/CSwapPilotsDlg.h"
#include "dialogs/CWithdrawDlg.h"
#include "res/ResourceIds.h"

CommandOutcome CRaceDlg::TakeContestDayChange(const ContestDayChange& change)
{
    if (!change.contest)
        return CommandOutcome::Refused(change.reason);
    m_contest = *change.contest;
    ShowContest();
    return CommandOutcome::Done();
}

// Odstoupení: the pilot and the round are asked, the withdrawal is made or
// its reason shown, and the organiser may even out the heats it left short.
CommandOutcome CRaceDlg::WithdrawPilotFromSchedule()
{
    if (!m_contest.result.completed)
        return CommandOutcome::Refused(tr("Withdrawing a pilot needs a drawn schedule. Recalculate the matrix first."));
    QStringList pilots;
    for (const PilotRecord& pilot : m_contest.result.pilots)
        pilots << QStringLiteral("[%1] %2").arg(pilot.frequency).arg(PersonNamed(pilot));
    CWithdrawDlg dialog(Host(), pilots, m_contest.result.rounds);
    if (dialog.DoModal() != IDOK)
        return CommandOutcome::Cancelled();
    ContestDayChange change = WithdrawPilot(m_contest, dialog.m_pilot, dialog.m_fromRound);
    if (change.contest
        && Host().ShowMessage(tr("Even out the heat sizes of the rounds from %1 on, moving as few pilots as possible?")
                                  .arg(dialog.m_fromRound),
                              MB_YESNO | MB_ICONQUESTION)
               == IDYES)
        change.contest = EvenOutHeats(*change.contest, dialog.m_fromRound);
    return TakeContestDayChange(change);
}

// Přepočítat od kola: the rounds from the one asked drawn again, the rounds
// before kept as flown; seeded from the window's clock as Přepočítat is. The
// random draw is quick and done here and now; the balanced one searches on
// a thread of its own, as Vyvážený přepočet does.
CommandOutcome CRaceDlg::RedrawFromRoundCommand()
{
    if (!m_contest.result.completed)
        return CommandOutcome::Refused(tr("A redraw from a round needs a drawn schedule. Recalculate the matrix first."));
    CRedrawFromDlg dialog(Host(), m_contest.result.rounds);
    if (dialog.DoModal() != IDOK)
        return CommandOutcome::Cancelled();
    const unsigned seed = static_cast<unsigned>(m_clock());
    if (!dialog.m_balanced)
        return TakeContestDayChange(RedrawFromRound(m_contest, dialog.m_fromRound, DrawKind::Random, seed));
    const PlannedRedraw planned = PlanRedraw(m_contest, dialog.m_fromRound, DrawKind::Balanced, seed);
    if (!planned.plan)
        return CommandOutcome::Refused(planned.reason);
    StartBalancedRedraw(m_contest, *planned.plan, ID_REDRAW_FROM);
    return CommandOutcome::Done();
}

// Prohodit piloty: two pilots of one round trade heats, or the reason they
// cannot is shown.
CommandOutcome CRaceDlg::SwapPilotsCommand()
{
    if (!m_contest.result.completed)
        return CommandOutcome::Refused(tr("Swapping pilots needs a drawn schedule. Recalculate the matrix first."));
    CSwapPilotsDlg dialog(Host(), m_contest);
    if (dialog.DoModal() != IDOK)
        return CommandOutcome::Cancelled();
    return TakeContestDayChange(SwapPilots(m_contest, dialog.m_round - 1, dialog.m_pilot, dialog.m_otherPilot));
}

// Přesunout pilota: a pilot of one round goes to another heat of it, which
// may leave the heats uneven.
CommandOutcome CRaceDlg::MovePilotCommand()
{
    if (!m_contest.result.completed)
        return CommandOutcome::Refused(tr("Moving a pilot needs a drawn schedule. Recalculate the matrix first."));
    CMovePilotDlg dialog(Host(), m_contest);
    if (dialog.DoModal() != IDOK)
        return CommandOutcome::Cancelled();
    return TakeContestDayChange(MovePilot(m_contest, dialog.m_round - 1, dialog.m_pilot, dialog.m_heat));
}
