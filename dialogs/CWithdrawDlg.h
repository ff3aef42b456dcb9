// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CDialog.h"
#include "platform/ListAndTree.h"

#include <QStringList>

// Withdrawal: which pilot of the schedule goes home, and from which round
// on (counted from 1) the pilot's seats are left empty.
class CWithdrawDlg : public CDialog {
public:
    CWithdrawDlg(ModalHost& host, QStringList pilots, int rounds);

    int m_pilot = -1;      // the line of the pilots given
    int m_fromRound = 1;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    QStringList m_pilots;
    int m_rounds = 1;
    CListBox m_pilotList;
};
