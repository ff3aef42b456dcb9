// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CContestDlg.h"

#include "contest/Contest.h"
#include "platform/DataExchange.h"
#include "res/MainTemplates.h"
#include "res/ResourceIds.h"

CContestDlg::CContestDlg(ModalHost& host)
    : CDialog(ContestDialogTemplate(), host)
{
}

// Blanks typed around the name are a slip of the keyboard, as in the pilot
// dialogs.
void CContestDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_CONTEST_NAME, m_name);
    if (pDX->IsSaving())
        m_name = m_name.trimmed();
    DDV_MaxChars(pDX, m_name, kContestNameChars);
    DDX_Date(pDX, IDC_CONTEST_DATE, m_date);
}
