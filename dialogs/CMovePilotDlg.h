// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/CRoundListsDlg.h"

// A move: a pilot of one round and the heat of that round it goes to; the
// heats are listed with how many of the pilots per heat each holds.
class CMovePilotDlg : public CRoundListsDlg {
public:
    CMovePilotDlg(ModalHost& host, const Contest& contest);

    int m_heat = -1;  // from 0

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ShowRightList(int round) override;
    void SaveRightList(CDataExchange* pDX) override;

private:
    CListBox m_heatList;
};
