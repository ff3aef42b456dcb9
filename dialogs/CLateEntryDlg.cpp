// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CLateEntryDlg.h"

#include "dialogs/PilotFieldsExchange.h"
#include "platform/DataExchange.h"
#include "res/DayTemplates.h"
#include "res/ResourceIds.h"

CLateEntryDlg::CLateEntryDlg(ModalHost& host, int rounds)
    : CDialog(LateEntryDialogTemplate(), host), m_rounds(rounds)
{
}

void CLateEntryDlg::DoDataExchange(CDataExchange* pDX)
{
    ExchangePilotFields(pDX, m_firstName, m_lastName, m_frequency, m_team);
    DDX_Text(pDX, IDC_DAY_FROM_ROUND, m_fromRound);
    DDV_MinMaxInt(pDX, m_fromRound, 2, m_rounds);
}
