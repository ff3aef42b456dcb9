// SPDX-License-Identifier: GPL-3.0-or-later
// The balanced calculation: draws a schedule in which every pilot meets as
// many others as possible and no pair much more often than the rest, from
// the same pilots and fields as Recalculate, into the same result, so the
// tree, the exports and the printouts show it as they show any draw.
//
// From the menu the search runs on a thread of its own: the status line
// follows its best figures against the bound, Escape or the Stop button end
// it early with the best schedule found, and the commands that would change
// the pilots or the result wait until it has ended. The balanced redraw from
// a round runs the same way, on the rounds it draws again.

#include "window/CRaceDlg.h"

#include "window/ResultTree.h"
#include "contest/ContestDay.h"
#include "contest/ContestRedraw.h"
#include "matrix/DrawFailureMessage.h"
#include "matrix/Timekeepers.h"
#include "res/ResourceIds.h"
#include "roster/DrawOrder.h"

#include <QAction>
#include <QMenuBar>
#include <QWidget>

namespace {

// Commands that change the pilots or the result, or start another draw; the
// balanced draw's result would replace what they change.
constexpr int kHeldWhileBalancing[] = {
    ID_NEW_CONTEST, ID_OPEN_CONTEST,   ID_IMPORT_PILOTS, ID_RECALCULATE, ID_RECALCULATE_BALANCED,
    ID_ADD_PILOT,   ID_DELETE_PILOT,   ID_EDIT_PILOT,    ID_UNDO,        ID_REDO,
    ID_WITHDRAW_PILOT, ID_REDRAW_FROM, ID_LATE_ENTRY,    ID_SWAP_PILOTS, ID_MOVE_PILOT};

enum class SearchState { Running, Stopped, Ended, Best };

QString BalanceStatusText(const MeetingFigures& best, const MeetingFigures& bound, SearchState state)
{
    const QString figures = CRaceDlg::tr("Most meetings %1 (bound %2), pairs never met %3 (bound %4)")
                                .arg(best.largest)
                                .arg(bound.largest)
                                .arg(best.neverMet)
                                .arg(bound.neverMet);
    switch (state) {
    case SearchState::Running: return figures + CRaceDlg::tr(" - Escape stops");
    case SearchState::Stopped: return figures + CRaceDlg::tr(" - stopped early");
    case SearchState::Best: return figures + CRaceDlg::tr(" - the best possible schedule");
    case SearchState::Ended: break;
    }
    return figures;
}

// A schedule at the counting bound is the best there is, even when Stop was
// pressed as the search reached it.
SearchState SearchStateOf(const BalancedOutcome& outcome)
{
    if (outcome.reachedBound)
        return SearchState::Best;
    return outcome.stopped ? SearchState::Stopped : SearchState::Ended;
}

QString BalanceEndText(const BalancedOutcome& outcome, unsigned seed)
{
    return BalanceStatusText(outcome.figures, outcome.bound.least, SearchStateOf(outcome))
           + CRaceDlg::tr(", seed %1").arg(seed);
}

}  // namespace

CommandOutcome CRaceDlg::RecalculateBalanced(unsigned seed, int effort)
{
    if (auto refusal = RefuseEmptyPilotList())
        return *refusal;
    if (!UpdateData(true))
        return CommandOutcome::Cancelled();
    const BalanceJob job = BalanceJobFromFields(seed, effort);
    BalanceObserver quiet;
    return TakeBalancedResult(job, RunBalanceJob(job, quiet));
}

void CRaceDlg::OnRecalculateBalanced()
{
    const Contest before = m_contest;
    if (IsBalancing())
        return;
    if (auto refusal = RefuseEmptyPilotList()) {
        ShowOutcome(*refusal);
        return;
    }
    if (!UpdateData(true))
        return;
    const BalanceJob job = BalanceJobFromFields(static_cast<unsigned>(m_clock()), kMinBalanceEffort);
    StartBalancing(before, job, ID_RECALCULATE_BALANCED,
                   [this, job](const BalancedOutcome& outcome) { return TakeBalancedResult(job, outcome); });
}

// The rounds the plan draws, searched on the thread; the contest as it
// stands now is what the drawn rounds are put into when the search ends
// (the commands that could change it are held until then). planned is the
// contest the plan was made from: the window's own, or it with a late pilot
// among the pilots, who join the list only with the drawn rounds. A failure
// leaves the contest as it was, as the redraw here and now does.
void CRaceDlg::StartBalancedRedraw(const Contest& planned, const RedrawPlan& plan, int commandId)
{
    BalanceJob job;
    job.roster = plan.roster;
    job.listOrder = plan.order;
    job.shape = plan.shape;
    job.rules = plan.rules;
    job.seed = plan.seed;
    job.settings = {plan.effort, plan.balanceSteps, {}};
    job.keptHeats = plan.keptHeats;
    StartBalancing(m_contest, job, commandId, [this, plan, planned](const BalancedOutcome& outcome) {
        const ContestDayChange change =
            FinishRedraw(planned, plan, outcome.completed ? std::optional(outcome.matrix) : std::nullopt);
        if (!change.contest)
            return CommandOutcome::Refused(change.reason);
        // The schedule, its draw and the pilots it seats: the fields stay as
        // the window has them now.
        m_contest.result = change.contest->result;
        m_contest.draw = change.contest->draw;
        if (m_contest.pilots != change.contest->pilots) {
            m_contest.pilots = change.contest->pilots;
            m_pilotList.ResetContent();
            RefillPilotList();
        }
        ShowSchedule();
        SetStatusText(BalanceEndText(outcome, plan.seed));
        return CommandOutcome::Done();
    });
}

// While the search runs the status line follows its best figures and the
// commands that change the contest are held; when it ends, take gives the
// outcome to the contest, and the change from before is one step named
// after the command.
void CRaceDlg::StartBalancing(const Contest& before, const BalanceJob& job, int commandId, TakeBalance take)
{
    m_contestBeforeBalance = before;
    const MeetingFigures bound = BalancedDrawBound(job.Input()).least;
    EnableCommandsThatChangeTheResult(false);
    SetStatusText(QString());
    m_balance.Start(
        job, [this, bound](const MeetingFigures& best) { SetStatusText(BalanceStatusText(best, bound, SearchState::Running)); },
        [this, commandId, take = std::move(take)](const BalancedOutcome& outcome) {
            EnableCommandsThatChangeTheResult(true);
            ShowHistoryItems();
            ShowOutcome(take(outcome));
            RecordChange(m_contestBeforeBalance, commandId);
            RefreshTitle();
        });
}

BalanceJob CRaceDlg::BalanceJobFromFields(unsigned seed, int effort)
{
    ClearContestDayMarks(m_contest.pilots);
    BalanceJob job;
    job.roster = m_contest.pilots;
    job.listOrder = DrawOrder(job.roster);
    job.shape = m_contest.fields;
    job.rules = m_contest.rules;
    job.seed = seed;
    job.settings.effort = effort;
    return job;
}

// The result replaces the last one only now, when the search has ended.
CommandOutcome CRaceDlg::TakeBalancedResult(const BalanceJob& job, const BalancedOutcome& outcome)
{
    CalculationResult result;
    result.pilots = job.roster;
    result.rounds = job.shape.rounds;
    result.heats = job.shape.heats;
    result.matrix = outcome.matrix;
    result.completed = outcome.completed;
    const std::optional<QString> noTimekeepers = AddTimekeepers(result, job.rules, job.seed);
    m_contest.result = std::move(result);
    m_contest.draw = {DrawKind::Balanced, job.seed, job.settings.effort};
    ShowSchedule();
    if (!m_contest.result.completed)
        return CommandOutcome::Failed(DrawFailureMessage(m_contest.result.pilots, job.shape, job.rules));
    SetStatusText(BalanceEndText(outcome, job.seed));
    if (noTimekeepers)
        return CommandOutcome::Failed(*noTimekeepers);
    return CommandOutcome::Done();
}

// The Stop button works only while a search runs; the held commands only
// while none does. The commands refuse themselves too (IsHeldByBalancing),
// for keys and double clicks that reach them without the menu.
void CRaceDlg::EnableCommandsThatChangeTheResult(bool enable)
{
    if (QWidget* stop = GetDlgItem(IDC_STOP_BALANCE))
        stop->setEnabled(!enable);
    // Nothing is dragged in a schedule about to be replaced.
    if (QWidget* grid = GetDlgItem(IDC_HEAT_GRID))
        grid->setEnabled(enable);
    if (QMenuBar* menuBar = MenuBar()) {
        for (QAction* action : menuBar->findChildren<QAction*>())
            if (IsHeldByBalancing(action->data().toInt()))
                action->setEnabled(enable);
    }
}

bool CRaceDlg::IsHeldByBalancing(int id) const
{
    const bool opensRecent = id >= ID_RECENT_CONTEST_FIRST && id < ID_RECENT_CONTEST_FIRST + kRecentContestCount;
    return opensRecent
           || std::find(std::begin(kHeldWhileBalancing), std::end(kHeldWhileBalancing), id)
                  != std::end(kHeldWhileBalancing);
}
