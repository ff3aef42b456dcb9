// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CDialog.h"

#include <QString>

// Shows one pilot of the list for changing.
class CEditPilotDlg : public CDialog {
public:
    explicit CEditPilotDlg(ModalHost& host);

    QString m_firstName;
    QString m_lastName;
    unsigned m_frequency = 0;
    QString m_team;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
