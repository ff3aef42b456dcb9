// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CDialog.h"

// The About box: the program's name, version and credits.
class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(ModalHost& host);
};
