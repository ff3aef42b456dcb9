// SPDX-License-Identifier: GPL-3.0-or-later
// The contest's details: its name and date. The name goes into the window's
// title at once.

#include "window/CRaceDlg.h"

#include "dialogs/CContestDlg.h"

CommandOutcome CRaceDlg::EditContestDetails()
{
    CContestDlg dialog(Host());
    dialog.m_name = m_contest.name;
    dialog.m_date = m_contest.date;
    if (dialog.DoModal() != IDOK)
        return CommandOutcome::Cancelled();
    SetContestDetails(dialog.m_name, dialog.m_date);
    return CommandOutcome::Done();
}

void CRaceDlg::SetContestDetails(const QString& name, const QDate& date)
{
    m_contest.name = name;
    m_contest.date = date;
    RefreshTitle();
}
