// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CDialog.h"
#include "print/PrintoutContent.h"

#include <functional>

// Asks before every printout for the base font size (8 to 72) and whether
// each round starts a new column. A fresh dialog starts from 9 and a new
// column per round; the previous choice is not remembered. Its preview
// button shows the printout at the size and choice typed in, and the dialog
// stays open for another size or for OK.
class CFontSizeDlg : public CDialog {
public:
    explicit CFontSizeDlg(ModalHost& host);

    using Preview = std::function<void(int baseFontSize, bool newColumnPerRound)>;
    void SetPreview(Preview preview) { m_preview = std::move(preview); }
    bool OnCommand(int id, int notifyCode) override;

    int m_baseFontSize = kDefaultBaseFontSize;
    int m_newColumnPerRound = 1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    Preview m_preview;
};
