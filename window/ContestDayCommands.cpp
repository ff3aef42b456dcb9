// SPDX-License-Identifier: GPL-3.0-or-later
// The contest day's changes reach the window here, whoever asks for them: a
// batch run today. A menu command that calls this through OnCommand becomes
// one undo step like any other.

#include "window/CRaceDlg.h"

#include "contest/ContestDay.h"

CommandOutcome CRaceDlg::TakeContestDayChange(const ContestDayChange& change)
{
    if (!change.contest)
        return CommandOutcome::Refused(change.reason);
    m_contest = *change.contest;
    ShowContest();
    return CommandOutcome::Done();
}
