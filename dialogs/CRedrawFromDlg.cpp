// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CRedrawFromDlg.h"

#include "platform/DataExchange.h"
#include "res/DayTemplates.h"
#include "res/ResourceIds.h"

CRedrawFromDlg::CRedrawFromDlg(ModalHost& host, int rounds)
    : CDialog(RedrawFromDialogTemplate(), host), m_rounds(rounds)
{
}

void CRedrawFromDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_DAY_FROM_ROUND, m_fromRound);
    DDV_MinMaxInt(pDX, m_fromRound, 1, m_rounds);
    DDX_Check(pDX, IDC_DAY_BALANCED, m_balanced);
}
