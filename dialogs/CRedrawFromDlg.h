// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CDialog.h"

// A redraw on the contest day: the first round drawn again (counted from 1)
// and which draw draws it.
class CRedrawFromDlg : public CDialog {
public:
    CRedrawFromDlg(ModalHost& host, int rounds);

    int m_fromRound = 1;
    bool m_balanced = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    int m_rounds = 1;
};
