// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CRoundListsDlg.h"

#include "contest/ContestDay.h"
#include "contest/ScheduleSeats.h"
#include "platform/DataExchange.h"
#include "res/ResourceIds.h"

#include <QCoreApplication>
#include <algorithm>

int RoundTheDayReached(const Contest& contest)
{
    int round = contest.draw.fromRound;
    for (const PilotRecord& pilot : contest.result.pilots)
        round = std::max({round, pilot.withdrawnFromRound, pilot.lateFromRound});
    return round;
}

CRoundListsDlg::CRoundListsDlg(DialogTemplate dialogTemplate, ModalHost& host, const Contest& contest)
    : CDialog(std::move(dialogTemplate), host), m_contest(contest)
{
    m_round = std::clamp(RoundTheDayReached(contest), 1, std::max(1, contest.result.rounds));
}

bool CRoundListsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ShowRound(m_round - 1);
    return true;
}

// A round typed that the schedule has no lists for waits for OK to say so.
bool CRoundListsDlg::OnCommand(int id, int notifyCode)
{
    if (id == IDC_DAY_ROUND && notifyCode == EN_KILLFOCUS) {
        const std::optional<int> round = ParseField<int>(GetDlgItemText(IDC_DAY_ROUND));
        if (round && *round >= 1 && *round <= m_contest.result.rounds)
            ShowRound(*round - 1);
        return true;
    }
    return CDialog::OnCommand(id, notifyCode);
}

void CRoundListsDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_DAY_PILOTS, m_pilotList);
    DDX_Text(pDX, IDC_DAY_ROUND, m_round);
    DDV_MinMaxInt(pDX, m_round, 1, m_contest.result.rounds);
    if (!pDX->IsSaving())
        return;
    ShowRound(m_round - 1);
    m_pilot = ChosenItem(pDX, IDC_DAY_PILOTS, m_pilotList,
                         QCoreApplication::translate("RoundListsDialog", "Vyberte pilota v seznamu vlevo."));
    SaveRightList(pDX);
}

void CRoundListsDlg::ShowRound(int round)
{
    if (round == m_shownRound)
        return;
    m_shownRound = round;
    ListPilotsOfRound(m_pilotList, round);
    ShowRightList(round);
}

void CRoundListsDlg::ListPilotsOfRound(CListBox& list, int round)
{
    const int chosen = list.GetCurSel() >= 0 ? list.GetItemData(list.GetCurSel()) : -1;
    list.ResetContent();
    const CalculationResult& result = m_contest.result;
    for (int heat = 0; heat < result.heats; ++heat)
        for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
            const int pilot = result.matrix.At(round, heat, slot);
            if (pilot == kEmptySlot)
                continue;
            const PilotRecord& record = result.pilots[size_t(pilot)];
            const int line = list.AddString(QStringLiteral("Heat %1: [%2] %3")
                                                .arg(heat + 1)
                                                .arg(record.frequency)
                                                .arg(PersonNamed(record)));
            list.SetItemData(line, pilot);
            if (pilot == chosen)
                list.SetCurSel(line);
        }
}

int CRoundListsDlg::ChosenItem(CDataExchange* pDX, int id, CListBox& list, const QString& unchosenMessage)
{
    pDX->PrepareControl(id);
    const int line = list.GetCurSel();
    if (line < 0)
        pDX->Fail(unchosenMessage);
    return list.GetItemData(line);
}
