// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CAddPilotDlg.h"

#include "dialogs/PilotFieldsExchange.h"
#include "platform/DataExchange.h"
#include "res/PilotTemplates.h"
#include "res/ResourceIds.h"
#include "roster/PilotRecord.h"

CAddPilotDlg::CAddPilotDlg(ModalHost& host)
    : CDialog(AddPilotDialogTemplate(), host)
{
}

void CAddPilotDlg::DoDataExchange(CDataExchange* pDX)
{
    ExchangePilotFields(pDX, m_firstName, m_lastName, m_frequency, m_team);
    DDX_Check(pDX, IDC_ADD_ANOTHER, m_addAnother);
}
