// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CEditPilotDlg.h"

#include "dialogs/PilotFieldsExchange.h"
#include "res/PilotTemplates.h"
#include "roster/PilotRecord.h"

CEditPilotDlg::CEditPilotDlg(ModalHost& host)
    : CDialog(EditPilotDialogTemplate(), host)
{
}

void CEditPilotDlg::DoDataExchange(CDataExchange* pDX)
{
    ExchangePilotFields(pDX, m_firstName, m_lastName, m_frequency, m_team);
}
