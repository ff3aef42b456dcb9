// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CDialog.h"

#include <QDate>
#include <QString>

// The contest's details: its name, which the window's title and every
// printed page carry, and the day it is flown. A contest without a date
// offers today.
class CContestDlg : public CDialog {
public:
    explicit CContestDlg(ModalHost& host);

    QString m_name;
    QDate m_date;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
