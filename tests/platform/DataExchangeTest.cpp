// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataExchange.h"

#include "platform/CDialog.h"
#include "platform/DialogDriver.h"
#include "platform/ScriptedModalHost.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

constexpr int kNameId = 10;
constexpr int kCountId = 11;
constexpr int kChannelId = 12;
constexpr int kCheckId = 13;

// A dialog with one field of every kind the exchange knows.
class FieldsDialog : public CDialog {
public:
    explicit FieldsDialog(ModalHost& host)
        : CDialog(MakeTemplate(), host)
    {
    }

    QString name = QStringLiteral("start");
    int count = 5;
    unsigned channel = 0;
    int check = 1;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, kNameId, name);
        DDV_MaxChars(pDX, name, 6);
        DDX_Text(pDX, kCountId, count);
        DDV_MinMaxInt(pDX, count, -3, 9);
        DDX_Text(pDX, kChannelId, channel);
        DDV_MinMaxUInt(pDX, channel, 10, 60);
        DDX_Check(pDX, kCheckId, check);
    }

private:
    static DialogTemplate MakeTemplate()
    {
        DialogTemplate fields;
        fields.id = 900;
        fields.sizeDu = QSize(100, 80);
        fields.controls = {EditControl(kNameId, QRect(5, 5, 50, 12)), EditControl(kCountId, QRect(5, 20, 50, 12)),
                           EditControl(kChannelId, QRect(5, 35, 50, 12)),
                           CheckBoxControl(kCheckId, QRect(5, 50, 50, 10), QStringLiteral("Check")),
                           DefaultButtonControl(IDOK, QRect(60, 5, 30, 12), QStringLiteral("OK")),
                           ButtonControl(IDCANCEL, QRect(60, 20, 30, 12), QStringLiteral("Cancel"))};
        return fields;
    }
};

}  // namespace

TEST(DataExchange, ParsesWholeDecimalFieldsOnly)
{
    EXPECT_EQ(ParseField<int>(QStringLiteral(" -12 ")), -12);
    EXPECT_EQ(ParseField<int>(QStringLiteral("+7")), 7);
    EXPECT_FALSE(ParseField<int>(QStringLiteral("12a")));
    EXPECT_FALSE(ParseField<int>(QString()));
    EXPECT_FALSE(ParseField<int>(QStringLiteral("-")));
    EXPECT_FALSE(ParseField<int>(QStringLiteral("99999999999")));
    EXPECT_EQ(ParseField<unsigned>(QStringLiteral("4294967295")), 4294967295u);
    EXPECT_FALSE(ParseField<unsigned>(QStringLiteral("-1")));
    EXPECT_FALSE(ParseField<unsigned>(QStringLiteral("4294967296")));
}

TEST(DataExchange, LoadingShowsTheMembersAndLimitsTheFields)
{
    ScriptedModalHost host;
    FieldsDialog dialog(host);
    host.ExpectDialog(900, [](DialogDriver& user) {
        EXPECT_EQ(user.Text(kNameId), QStringLiteral("start"));
        EXPECT_EQ(user.Text(kCountId), QStringLiteral("5"));
        EXPECT_EQ(user.Text(kChannelId), QStringLiteral("0"));
        EXPECT_TRUE(user.IsChecked(kCheckId));
        EXPECT_EQ(user.MaxLength(kNameId), 6);
        user.Type(kNameId, QStringLiteral("much too long"));
        EXPECT_EQ(user.Text(kNameId), QStringLiteral("much t"));
        user.PressCancel();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.name, QStringLiteral("start"));
    EXPECT_TRUE(host.Problems().isEmpty());
}

// Six letters outside the basic plane are six characters, though they take
// twelve UTF-16 units: the field holds all of them and saving takes them.
TEST(DataExchange, TextLimitCountsCharactersNotUnits)
{
    ScriptedModalHost host;
    FieldsDialog dialog(host);
    const QString clefs = QString::fromUcs4(U"\U0001D11E").repeated(7);
    host.ExpectDialog(900, [&](DialogDriver& user) {
        user.Type(kNameId, clefs);
        EXPECT_EQ(user.Text(kNameId), clefs.left(12));
        user.Type(kChannelId, QStringLiteral("35"));
        user.PressOk();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.name, clefs.left(12));
    EXPECT_TRUE(host.Messages().isEmpty());
    EXPECT_TRUE(host.Problems().isEmpty());
}

TEST(DataExchange, FirstBadFieldIsReportedFocusedAndKeepsTheDialogOpen)
{
    ScriptedModalHost host;
    FieldsDialog dialog(host);
    host.ExpectDialog(900, [&](DialogDriver& user) {
        user.Type(kNameId, QStringLiteral("Jan"));
        user.Type(kCountId, QStringLiteral("10"));
        user.Type(kChannelId, QStringLiteral("x"));
        user.PressOk();
        EXPECT_FALSE(user.HasEnded());
        EXPECT_EQ(user.FocusedControlId(), kCountId);
        EXPECT_EQ(host.TakeMessages(), QStringList{QStringLiteral("Please enter an integer between -3 and 9.")});
        EXPECT_EQ(dialog.name, QStringLiteral("Jan"));  // stored before the failure
        EXPECT_EQ(dialog.count, 10);                    // the failing number stays

        user.Type(kCountId, QStringLiteral("9"));
        user.PressOk();
        EXPECT_EQ(host.TakeMessages(), QStringList{QStringLiteral("Please enter a positive integer.")});
        EXPECT_EQ(user.FocusedControlId(), kChannelId);

        user.Type(kChannelId, QStringLiteral("61"));
        user.PressOk();
        EXPECT_EQ(host.TakeMessages(), QStringList{QStringLiteral("Please enter an integer between 10 and 60.")});

        user.Type(kChannelId, QStringLiteral("60"));
        user.Tick(kCheckId, false);
        user.PressOk();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.channel, 60u);
    EXPECT_EQ(dialog.check, 0);
    EXPECT_TRUE(host.Problems().isEmpty());
}

TEST(ScriptedModalHost, ReportsWhatTheScriptDidNotForesee)
{
    ScriptedModalHost host;
    FieldsDialog dialog(host);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    host.ExpectDialog(900, [](DialogDriver&) {});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(host.Problems(), (QStringList{QStringLiteral("dialog 900 opened unexpectedly"),
                                            QStringLiteral("dialog 900 was left open")}));
}
