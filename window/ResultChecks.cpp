// SPDX-License-Identifier: GPL-3.0-or-later
// The last result stays until the next calculation, also when the pilot list
// changes after it: an organiser may reprint the schedule after a pilot has
// withdrawn. The status line says how the result stands, and the exports
// and printouts check it before they write anything.

#include "window/CRaceDlg.h"

#include "platform/ModalHost.h"

bool CRaceDlg::IsResultStale() const
{
    return m_contest.result.completed && RosterLines(m_contest.result.pilots) != ListedPilotLines();
}

void CRaceDlg::ShowResultState()
{
    if (!m_contest.result.HasResult())
        return;  // before any calculation there is nothing to say
    if (!m_contest.result.completed)
        SetStatusText(tr("The matrix calculation failed; there is no schedule to export or print."));
    else if (IsResultStale())
        SetStatusText(tr("The pilot list has changed since the matrix was calculated."));
    else if (const int pilots = static_cast<int>(m_contest.result.pilots.size()); pilots == 1)
        SetStatusText(tr("The matrix was calculated for %n pilot (seed %1).", nullptr, pilots).arg(m_contest.draw.seed));
    else
        SetStatusText(tr("The matrix was calculated for %n pilots (seed %1).", nullptr, pilots).arg(m_contest.draw.seed));
    m_statusShowsResultState = true;
}

// Nothing when the command may go on with the result. A failed calculation
// left no schedule; one drawn from another pilot list is used only when the
// organiser says so, and No, the safe answer, is the default.
std::optional<CommandOutcome> CRaceDlg::CheckResultFor(const QString& noResultRefusal, const QString& action)
{
    if (!m_contest.result.HasResult())
        return CommandOutcome::Refused(noResultRefusal);
    if (!m_contest.result.completed)
        return CommandOutcome::Refused(
            tr("The last matrix calculation failed, so there is no schedule to %1. Recalculate the matrix first.")
                .arg(action));
    if (IsResultStale()
        && Host().ShowMessage(tr("The pilot list has changed since the matrix was calculated. "
                                 "Do you want to %1 the schedule as it was calculated?")
                                  .arg(action),
                              MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2)
               != IDYES)
        return CommandOutcome::Cancelled();
    return std::nullopt;
}
