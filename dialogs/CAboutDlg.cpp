// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CAboutDlg.h"

#include "res/MainTemplates.h"

CAboutDlg::CAboutDlg(ModalHost& host)
    : CDialog(AboutDialogTemplate(), host)
{
}
