// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/CRoundListsDlg.h"

// A swap: two pilots of one round, each chosen in a list of its own.
class CSwapPilotsDlg : public CRoundListsDlg {
public:
    CSwapPilotsDlg(ModalHost& host, const Contest& contest);

    int m_otherPilot = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ShowRightList(int round) override { ListPilotsOfRound(m_otherList, round); }
    void SaveRightList(CDataExchange* pDX) override;

private:
    CListBox m_otherList;
};
