// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CFontSizeDlg.h"

#include "platform/DataExchange.h"
#include "platform/DialogDriver.h"
#include "platform/ScriptedModalHost.h"
#include "res/ResourceIds.h"
#include "support/QtPrinters.h"

#include <QDialog>
#include <gtest/gtest.h>

TEST(FontSizeDialog, StartsAtNineWithANewColumnPerRound)
{
    ScriptedModalHost host;
    CFontSizeDlg dialog(host);
    QString caption;
    host.ExpectDialog(IDD_FONT_SIZE, [&](DialogDriver& user) {
        caption = dialog.Window()->windowTitle();
        EXPECT_EQ(user.Text(IDC_FONT_SIZE), QString("9"));
        EXPECT_TRUE(user.IsChecked(IDC_NEW_COLUMN));
        user.PressOk();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(caption, QString("Výběr velikosti fontu"));
    EXPECT_EQ(dialog.m_baseFontSize, 9);
    EXPECT_EQ(dialog.m_newColumnPerRound, 1);
    EXPECT_TRUE(host.Problems().isEmpty());
}

TEST(FontSizeDialog, KeepsAskingUntilTheSizeIsFrom8To72)
{
    ScriptedModalHost host;
    CFontSizeDlg dialog(host);
    host.ExpectDialog(IDD_FONT_SIZE, [](DialogDriver& user) {
        for (const char* refused : {"7", "73", ""}) {
            user.Type(IDC_FONT_SIZE, refused);
            user.PressOk();
            EXPECT_FALSE(user.HasEnded()) << refused;
            EXPECT_EQ(user.FocusedControlId(), IDC_FONT_SIZE) << refused;
        }
        user.Type(IDC_FONT_SIZE, "72");
        user.Tick(IDC_NEW_COLUMN, false);
        user.PressOk();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(host.Messages(), QStringList({IntegerRangeMessage(8, 72), IntegerRangeMessage(8, 72),
                                            IntegerExpectedMessage()}));
    EXPECT_EQ(dialog.m_baseFontSize, 72);
    EXPECT_EQ(dialog.m_newColumnPerRound, 0);
    EXPECT_TRUE(host.Problems().isEmpty());
}

TEST(FontSizeDialog, AcceptsTheSmallestSize)
{
    ScriptedModalHost host;
    CFontSizeDlg dialog(host);
    host.ExpectDialog(IDD_FONT_SIZE, [](DialogDriver& user) {
        user.Type(IDC_FONT_SIZE, "8");
        user.PressOk();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_baseFontSize, 8);
    EXPECT_TRUE(host.Messages().isEmpty());
}
