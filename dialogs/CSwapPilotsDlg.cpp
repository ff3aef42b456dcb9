// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CSwapPilotsDlg.h"

#include "platform/DataExchange.h"
#include "res/DayTemplates.h"
#include "res/ResourceIds.h"

#include <QCoreApplication>

CSwapPilotsDlg::CSwapPilotsDlg(ModalHost& host, const Contest& contest)
    : CRoundListsDlg(SwapPilotsDialogTemplate(), host, contest)
{
}

void CSwapPilotsDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_DAY_OTHER_PILOTS, m_otherList);
    CRoundListsDlg::DoDataExchange(pDX);
}

void CSwapPilotsDlg::SaveRightList(CDataExchange* pDX)
{
    m_otherPilot = ChosenItem(pDX, IDC_DAY_OTHER_PILOTS, m_otherList,
                              QCoreApplication::translate("RoundListsDialog", "Vyberte druhého pilota."));
    if (m_otherPilot == m_pilot)
        pDX->Fail(QCoreApplication::translate("RoundListsDialog", "Vyberte dva různé piloty."));
}
