// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CDialog.h"

#include <QString>

// A late entry: the pilot as the add dialog asks for one, and the round
// (counted from 1) the pilot flies from. Round 1 is no late entry: before it
// the whole schedule can still be drawn again.
class CLateEntryDlg : public CDialog {
public:
    CLateEntryDlg(ModalHost& host, int rounds);

    QString m_firstName;
    QString m_lastName;
    unsigned m_frequency = 0;
    QString m_team;
    int m_fromRound = 2;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    int m_rounds = 2;
};
