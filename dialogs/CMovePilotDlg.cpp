// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CMovePilotDlg.h"

#include "contest/Contest.h"
#include "contest/ScheduleSeats.h"
#include "platform/DataExchange.h"
#include "res/DayTemplates.h"
#include "res/ResourceIds.h"

#include <QCoreApplication>

CMovePilotDlg::CMovePilotDlg(ModalHost& host, const Contest& contest)
    : CRoundListsDlg(MovePilotDialogTemplate(), host, contest)
{
}

void CMovePilotDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_DAY_HEATS, m_heatList);
    CRoundListsDlg::DoDataExchange(pDX);
}

// "Heat 2 (3/4)": the heat holds three pilots of the four a heat takes.
void CMovePilotDlg::ShowRightList(int round)
{
    const int chosen = m_heatList.GetCurSel();
    m_heatList.ResetContent();
    for (int heat = 0; heat < m_contest.result.heats; ++heat)
        m_heatList.SetItemData(m_heatList.AddString(QStringLiteral("Heat %1 (%2/%3)")
                                                        .arg(heat + 1)
                                                        .arg(SeatedInHeat(m_contest.result.matrix, round, heat))
                                                        .arg(HeatCapacity(m_contest))),
                               heat);
    m_heatList.SetCurSel(chosen);
}

void CMovePilotDlg::SaveRightList(CDataExchange* pDX)
{
    m_heat = ChosenItem(pDX, IDC_DAY_HEATS, m_heatList,
                        QCoreApplication::translate("RoundListsDialog", "Vyberte heat, do kterého pilot přejde."));
}
