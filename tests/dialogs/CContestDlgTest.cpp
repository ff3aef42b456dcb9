// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CContestDlg.h"

#include "platform/DialogDriver.h"
#include "platform/ScriptedModalHost.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

// OK keeps the date a contest file held, whatever its year; a date picked
// replaces it.
TEST(ContestDialog, OkKeepsEveryDateAContestFileHoldsAndTakesOnePicked)
{
    ScriptedModalHost host;
    for (const QDate date : {QDate(1, 1, 1), QDate(1700, 3, 1), QDate(2027, 4, 17), QDate(9999, 12, 31)}) {
        for (const QDate picked : {QDate(), QDate(2026, 5, 1)}) {
            CContestDlg dialog(host);
            dialog.m_date = date;
            host.ExpectDialog(IDD_CONTEST, [&](DialogDriver& user) {
                if (picked.isValid())
                    user.PickDate(IDC_CONTEST_DATE, picked);
                user.PressOk();
            });
            ASSERT_EQ(dialog.DoModal(), IDOK);
            EXPECT_EQ(dialog.m_date, picked.isValid() ? picked : date);
        }
    }
}
