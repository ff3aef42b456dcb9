// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CWithdrawDlg.h"

#include "platform/DataExchange.h"
#include "res/DayTemplates.h"
#include "res/ResourceIds.h"

#include <QCoreApplication>

CWithdrawDlg::CWithdrawDlg(ModalHost& host, QStringList pilots, int rounds)
    : CDialog(WithdrawDialogTemplate(), host), m_pilots(std::move(pilots)), m_rounds(rounds)
{
}

bool CWithdrawDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (const QString& pilot : m_pilots)
        m_pilotList.AddString(pilot);
    m_pilotList.SetCurSel(m_pilot);
    return true;
}

// A withdrawal names one pilot and a round of the schedule.
void CWithdrawDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_DAY_PILOTS, m_pilotList);
    DDX_Text(pDX, IDC_DAY_FROM_ROUND, m_fromRound);
    DDV_MinMaxInt(pDX, m_fromRound, 1, m_rounds);
    if (pDX->IsSaving()) {
        m_pilot = m_pilotList.GetCurSel();
        if (m_pilot < 0)
            pDX->Fail(QCoreApplication::translate("WithdrawDialog", "Vyberte pilota, který odstupuje."));
    }
}
