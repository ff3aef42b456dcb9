// SPDX-License-Identifier: GPL-3.0-or-later
// Pozdní přihlášení, and the add command's offer of it while a schedule is
// drawn: the pilot and the round are asked and the pilot is seated as a late
// entry is. Where a round has no heat that can take the pilot, the organiser
// may draw the rounds from there again with the pilot among them; a
// balanced schedule is searched on a thread of its own, as Přepočítat od
// kola does.

#include "window/CRaceDlg.h"

#include "contest/ContestDay.h"
#include "contest/ContestRedraw.h"
#include "contest/ScheduleSeats.h"
#include "dialogs/CLateEntryDlg.h"
#include "dialogs/CRoundListsDlg.h"
#include "res/ResourceIds.h"

#include <algorithm>

namespace {

PilotRecord AskedPilot(const CLateEntryDlg& dialog)
{
    PilotRecord pilot;
    pilot.lastName = dialog.m_lastName;
    pilot.firstName = dialog.m_firstName;
    pilot.frequency = static_cast<int>(dialog.m_frequency);
    pilot.team = dialog.m_team;
    return pilot;
}

}  // namespace

CommandOutcome CRaceDlg::EnterLatePilotCommand()
{
    const CalculationResult& result = m_contest.result;
    if (!result.completed)
        return CommandOutcome::Refused(tr("A late entry needs a drawn schedule. Recalculate the matrix first."));
    if (result.rounds < 2)
        return CommandOutcome::Refused(tr("The schedule has one round only, so a late pilot would fly none of it. "
                                          "Add the pilot to the list and recalculate instead."));
    CLateEntryDlg dialog(Host(), result.rounds);
    dialog.m_fromRound = std::clamp(RoundTheDayReached(m_contest), 2, result.rounds);
    if (dialog.DoModal() != IDOK)
        return CommandOutcome::Cancelled();
    const PilotRecord pilot = AskedPilot(dialog);
    const ContestDayChange change = EnterLatePilot(m_contest, pilot, dialog.m_fromRound);
    if (change.contest)
        return TakeContestDayChange(change);
    const std::optional<UnseatedLateEntry> full = LateEntryWithoutAHeat(m_contest, pilot, dialog.m_fromRound);
    if (!full)
        return CommandOutcome::Refused(change.reason);
    if (Host().ShowMessage(tr("%1\nDraw the rounds from %2 on again with %3 among the pilots? The rounds before "
                              "stay as they are.")
                               .arg(change.reason, QString::number(full->round), PersonNamed(pilot)),
                           MB_YESNO | MB_ICONQUESTION)
        != IDYES)
        return CommandOutcome::Cancelled();
    const unsigned seed = static_cast<unsigned>(m_clock());
    if (m_contest.draw.kind != DrawKind::Balanced)
        return TakeContestDayChange(RedrawFromRound(full->contest, full->round, DrawKind::Random, seed));
    const PlannedRedraw planned = PlanRedraw(full->contest, full->round, DrawKind::Balanced, seed);
    if (!planned.plan)
        return CommandOutcome::Refused(planned.reason);
    StartBalancedRedraw(full->contest, *planned.plan, ID_LATE_ENTRY);
    return CommandOutcome::Done();
}

// Adding a pilot to a drawn schedule's list changes no heat until the next
// draw; on the contest day the organiser more likely means a late entry. A
// full list is refused by the add command as it stands.
std::optional<CommandOutcome> CRaceDlg::OfferLateEntry()
{
    if (!m_contest.result.completed || m_contest.result.rounds < 2 || m_pilotList.GetCount() >= kRosterCapacity)
        return std::nullopt;
    const int answer = Host().ShowMessage(tr("The schedule is drawn already. Enter the new pilot late, into the "
                                             "rounds still to fly? No adds the pilot to the list only."),
                                          MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL)
        return CommandOutcome::Cancelled();
    if (answer == IDYES)
        return EnterLatePilotCommand();
    return std::nullopt;
}
