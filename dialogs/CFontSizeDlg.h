// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CDialog.h"
#include "print/PrintoutContent.h"

// Asks before every printout for the base font size (8 to 72) and whether
// each round starts a new column. A fresh dialog starts from 9 and a new
// column per round; the previous choice is not remembered.
class CFontSizeDlg : public CDialog {
public:
    explicit CFontSizeDlg(ModalHost& host);

    int m_baseFontSize = kDefaultBaseFontSize;
    int m_newColumnPerRound = 1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
