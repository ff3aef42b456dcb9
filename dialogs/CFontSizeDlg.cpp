// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CFontSizeDlg.h"

#include "platform/DataExchange.h"
#include "res/FontSizeTemplate.h"
#include "res/ResourceIds.h"

CFontSizeDlg::CFontSizeDlg(ModalHost& host)
    : CDialog(FontSizeDialogTemplate(), host)
{
}

void CFontSizeDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_FONT_SIZE, m_baseFontSize);
    DDV_MinMaxInt(pDX, m_baseFontSize, kSmallestBaseFontSize, kLargestBaseFontSize);
    DDX_Check(pDX, IDC_NEW_COLUMN, m_newColumnPerRound);
}
