// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CFontSizeDlg.h"

#include "platform/DataExchange.h"
#include "res/FontSizeTemplate.h"
#include "res/ResourceIds.h"

CFontSizeDlg::CFontSizeDlg(ModalHost& host)
    : CDialog(FontSizeDialogTemplate(), host)
{
}

// A size out of range is refused with its message, as OK refuses it.
bool CFontSizeDlg::OnCommand(int id, int notifyCode)
{
    if (id == IDC_PRINT_PREVIEW && notifyCode == BN_CLICKED) {
        if (m_preview && UpdateData(true))
            m_preview(m_baseFontSize, m_newColumnPerRound == 1);
        return true;
    }
    return CDialog::OnCommand(id, notifyCode);
}

void CFontSizeDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_FONT_SIZE, m_baseFontSize);
    DDV_MinMaxInt(pDX, m_baseFontSize, kSmallestBaseFontSize, kLargestBaseFontSize);
    DDX_Check(pDX, IDC_NEW_COLUMN, m_newColumnPerRound);
}
