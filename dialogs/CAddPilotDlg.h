// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CDialog.h"

#include <QString>

// Asks for a new pilot. With "add another" ticked, the add command opens it
// again after each pilot, showing the values just confirmed.
class CAddPilotDlg : public CDialog {
public:
    explicit CAddPilotDlg(ModalHost& host);

    QString m_firstName;
    QString m_lastName;
    unsigned m_frequency = 0;
    QString m_team;
    bool m_addAnother = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
