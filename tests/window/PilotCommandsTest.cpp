// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/PilotFieldsExchange.h"
#include "platform/DataExchange.h"
#include "platform/DialogDriver.h"
#include "platform/ListBoxView.h"
#include "res/ResourceIds.h"
#include "support/MainWindowFixture.h"

#include <QDialog>
#include <QHeaderView>
#include <QTest>


namespace {

const QString kDuplicate = QStringLiteral("This Pilot is already in the list! It will not be added again.");

void TypePilot(DialogDriver& dialog, const QString& lastName, const QString& firstName, const QString& frequency)
{
    dialog.Type(IDC_LAST_NAME, lastName);
    dialog.Type(IDC_FIRST_NAME, firstName);
    dialog.Type(IDC_FREQUENCY, frequency);
}

class PilotCommands : public MainWindowFixture {
protected:
    void Command(int id) { window.OnCommand(id, BN_CLICKED); }

    void AddPilot(const QString& lastName, const QString& firstName, const QString& frequency)
    {
        host.ExpectDialog(IDD_ADD_PILOT, [=](DialogDriver& dialog) {
            TypePilot(dialog, lastName, firstName, frequency);
            dialog.PressOk();
        });
        Command(ID_ADD_PILOT);
    }

    // The user types a channel, presses OK and cancels if the dialog stays open.
    QStringList MessagesForChannel(int templateId, int command, const QString& frequency)
    {
        host.ExpectDialog(templateId, [=](DialogDriver& dialog) {
            dialog.Type(IDC_LAST_NAME, QStringLiteral("Novak"));
            dialog.Type(IDC_FREQUENCY, frequency);
            dialog.PressOk();
            if (!dialog.HasEnded())
                dialog.PressCancel();
        });
        Command(command);
        return host.TakeMessages();
    }
};

}  // namespace

TEST_F(PilotCommands, AddDialogOpensEmptyAndAddsThePilot)
{
    host.ExpectDialog(IDD_ADD_PILOT, [](DialogDriver& dialog) {
        EXPECT_EQ(dialog.Text(IDC_LAST_NAME) + dialog.Text(IDC_FIRST_NAME), QString());
        EXPECT_EQ(dialog.Text(IDC_FREQUENCY), QStringLiteral("0"));
        EXPECT_FALSE(dialog.IsChecked(IDC_ADD_ANOTHER));
        EXPECT_EQ(dialog.MaxLength(IDC_FIRST_NAME), 20);
        EXPECT_EQ(dialog.MaxLength(IDC_LAST_NAME), 30);
        dialog.PressOk();
        EXPECT_EQ(dialog.FocusedControlId(), IDC_LAST_NAME);
        dialog.Type(IDC_LAST_NAME, QStringLiteral("Novák"));
        dialog.PressOk();
        EXPECT_EQ(dialog.FocusedControlId(), IDC_FREQUENCY);
        TypePilot(dialog, QStringLiteral("Novák"), QStringLiteral("Jan"), QStringLiteral("35"));
        dialog.PressOk();
    });
    Command(ID_ADD_PILOT);
    EXPECT_EQ(host.Messages(), (QStringList{EmptyLastNameMessage(), IntegerRangeMessage(10, 80)}));
    EXPECT_EQ(ListedLines(), QStringList{QStringLiteral("Novák,Jan,35")});
    EXPECT_EQ(window.GetDlgItemText(IDC_PILOT_COUNT), QStringLiteral("1"));
    ASSERT_EQ(window.GetRosterCount(), 1);
    EXPECT_EQ(window.GetRoster()[0].lastName, QStringLiteral("Novák"));
    EXPECT_EQ(window.GetRoster()[0].frequency, 35);
}

TEST_F(PilotCommands, AddRefusesAListedLineInAnyLetterCaseButNotOtherChannels)
{
    ListPilots({QStringLiteral("NOVAK,JAN,35")});
    AddPilot(QStringLiteral("Novak"), QStringLiteral("Jan"), QStringLiteral("35"));
    EXPECT_EQ(host.TakeMessages(), QStringList{kDuplicate});
    EXPECT_EQ(ListedLines(), QStringList{QStringLiteral("NOVAK,JAN,35")});
    AddPilot(QStringLiteral("Novak"), QStringLiteral("Jan"), QStringLiteral("36"));
    EXPECT_EQ(ListedLines(), (QStringList{QStringLiteral("NOVAK,JAN,35"), QStringLiteral("Novak,Jan,36")}));
    EXPECT_EQ(window.GetRosterCount(), 2);
}

TEST_F(PilotCommands, AddAnotherReopensWithTheConfirmedValues)
{
    host.ExpectDialog(IDD_ADD_PILOT, [](DialogDriver& dialog) {
        TypePilot(dialog, QStringLiteral("Novak"), QStringLiteral("Jan"), QStringLiteral("35"));
        dialog.Tick(IDC_ADD_ANOTHER);
        dialog.PressOk();
    });
    host.ExpectDialog(IDD_ADD_PILOT, [](DialogDriver& dialog) {
        EXPECT_EQ(dialog.Text(IDC_LAST_NAME) + dialog.Text(IDC_FIRST_NAME) + dialog.Text(IDC_FREQUENCY),
                  QStringLiteral("NovakJan35"));
        EXPECT_TRUE(dialog.IsChecked(IDC_ADD_ANOTHER));
        dialog.PressOk();
    });
    host.ExpectDialog(IDD_ADD_PILOT, [](DialogDriver& dialog) {
        dialog.Type(IDC_FIRST_NAME, QStringLiteral("Petr"));
        dialog.PressOk();
    });
    host.ExpectDialog(IDD_ADD_PILOT, [](DialogDriver& dialog) { dialog.PressCancel(); });
    Command(ID_ADD_PILOT);
    EXPECT_TRUE(host.AllAnswered());
    EXPECT_EQ(host.Messages(), QStringList{kDuplicate});
    EXPECT_EQ(ListedLines(), (QStringList{QStringLiteral("Novak,Jan,35"), QStringLiteral("Novak,Petr,35")}));
}

TEST_F(PilotCommands, ChannelRangesOfAddAndEdit)
{
    for (const QString& refused : {QStringLiteral("9"), QStringLiteral("81")})
        EXPECT_EQ(MessagesForChannel(IDD_ADD_PILOT, ID_ADD_PILOT, refused), QStringList{IntegerRangeMessage(10, 80)});
    EXPECT_EQ(MessagesForChannel(IDD_ADD_PILOT, ID_ADD_PILOT, QStringLiteral("-35")),
              QStringList{UnsignedExpectedMessage()});
    EXPECT_EQ(window.PilotList().GetCount(), 0);
    for (const QString& accepted : {QStringLiteral("61"), QStringLiteral("80")})
        EXPECT_TRUE(MessagesForChannel(IDD_ADD_PILOT, ID_ADD_PILOT, accepted).isEmpty());
    EXPECT_EQ(window.PilotList().GetCount(), 2);
    window.PilotList().ResetContent();

    ListPilots({QStringLiteral("Novak,Jan")});  // a roster file line without a channel
    window.PilotList().SetCurSel(0);
    for (const QString& refused : {QStringLiteral("0"), QStringLiteral("81"), QStringLiteral("9")})
        EXPECT_EQ(MessagesForChannel(IDD_EDIT_PILOT, ID_EDIT_PILOT, refused), QStringList{IntegerRangeMessage(10, 80)});
    EXPECT_EQ(ListedLines(), QStringList{QStringLiteral("Novak,Jan")});
    EXPECT_TRUE(MessagesForChannel(IDD_EDIT_PILOT, ID_EDIT_PILOT, QStringLiteral("61")).isEmpty());
    EXPECT_EQ(ListedLines(), QStringList{QStringLiteral("Novak,Jan,61")});
}

TEST_F(PilotCommands, EditDialogTakesNoLongerNamesThanTheRecordHolds)
{
    ListPilots({QStringLiteral("Novak,Jan,35")});
    window.PilotList().SetCurSel(0);
    host.ExpectDialog(IDD_EDIT_PILOT, [](DialogDriver& dialog) {
        EXPECT_EQ(dialog.MaxLength(IDC_FIRST_NAME), 20);
        EXPECT_EQ(dialog.MaxLength(IDC_LAST_NAME), 30);
        dialog.Type(IDC_LAST_NAME, QString(35, u'L'));
        dialog.Type(IDC_FIRST_NAME, QString(25, u'F'));
        dialog.PressOk();
    });
    Command(ID_EDIT_PILOT);
    EXPECT_TRUE(host.Messages().isEmpty());
    EXPECT_EQ(ListedLines(), QStringList{QString(30, u'L') + u',' + QString(20, u'F') + QStringLiteral(",35")});
}

TEST_F(PilotCommands, NameWithACommaIsRefusedAndTheDialogStaysOpen)
{
    host.ExpectDialog(IDD_ADD_PILOT, [](DialogDriver& dialog) {
        TypePilot(dialog, QStringLiteral("Novak,Jr"), QStringLiteral("Jan"), QStringLiteral("35"));
        dialog.PressOk();
        EXPECT_EQ(dialog.FocusedControlId(), IDC_LAST_NAME);
        dialog.Type(IDC_LAST_NAME, QStringLiteral("Novak Jr"));
        dialog.PressOk();
    });
    Command(ID_ADD_PILOT);
    window.PilotList().SetCurSel(0);
    host.ExpectDialog(IDD_EDIT_PILOT, [](DialogDriver& dialog) {
        dialog.Type(IDC_FIRST_NAME, QStringLiteral("Jan,Petr"));
        dialog.PressOk();
        EXPECT_EQ(dialog.FocusedControlId(), IDC_FIRST_NAME);
        dialog.PressCancel();
    });
    Command(ID_EDIT_PILOT);
    EXPECT_EQ(host.Messages(), (QStringList{NameWithCommaMessage(), NameWithCommaMessage()}));
    EXPECT_EQ(ListedLines(), QStringList{QStringLiteral("Novak Jr,Jan,35")});
}

TEST_F(PilotCommands, AddRefusesAHundredAndFirstPilot)
{
    for (int pilot = 0; pilot < kRosterCapacity - 1; ++pilot)
        window.PilotList().AddString(QStringLiteral("Pilot%1,Jan,35").arg(pilot, 3, 10, QChar(u'0')));
    window.RebuildRoster();
    // The hundredth pilot goes in; the dialog does not open for another.
    host.ExpectDialog(IDD_ADD_PILOT, [](DialogDriver& dialog) {
        TypePilot(dialog, QStringLiteral("Zeman"), QStringLiteral("Jan"), QStringLiteral("35"));
        dialog.Tick(IDC_ADD_ANOTHER);
        dialog.PressOk();
    });
    Command(ID_ADD_PILOT);
    Command(ID_ADD_PILOT);
    ASSERT_EQ(host.Messages().size(), 2);
    EXPECT_TRUE(host.Messages().first().contains(QStringLiteral("already holds 100 pilots")));
    EXPECT_EQ(window.GetRosterCount(), kRosterCapacity);
    EXPECT_EQ(ListedLines().last(), QStringLiteral("Zeman,Jan,35"));
}

TEST_F(PilotCommands, DeleteAndEditNeedASelectedLine)
{
    ListPilots({QStringLiteral("Novak,Jan,35"), QStringLiteral("Brown,Anne,21")});
    Command(ID_DELETE_PILOT);
    Command(ID_EDIT_PILOT);
    EXPECT_EQ(host.TakeMessages(),
              (QStringList{"You must select a pilot from the Pilots List before attempting to delete.",
                           "You must select a pilot from the Pilots List before attempting to edit one."}));
    window.PilotList().SetCurSel(0);
    Command(ID_DELETE_PILOT);
    EXPECT_TRUE(host.Messages().isEmpty());
    EXPECT_EQ(ListedLines(), QStringList{QStringLiteral("Novak,Jan,35")});
    EXPECT_EQ(window.GetRoster()[0].lastName, QStringLiteral("Novak"));
    EXPECT_EQ(window.GetDlgItemText(IDC_PILOT_COUNT), QStringLiteral("1"));
    EXPECT_EQ(window.PilotList().GetCurSel(), LB_ERR);
}

TEST_F(PilotCommands, EditFromMenuOrDoubleClickReplacesTheLine)
{
    ListPilots({QStringLiteral("Novak,Jan,35"), QStringLiteral("Brown,Anne,21")});
    window.PilotList().SetCurSel(1);
    host.ExpectDialog(IDD_EDIT_PILOT, [](DialogDriver& dialog) {
        EXPECT_EQ(dialog.Text(IDC_LAST_NAME) + dialog.Text(IDC_FIRST_NAME) + dialog.Text(IDC_FREQUENCY),
                  QStringLiteral("NovakJan35"));
        TypePilot(dialog, QStringLiteral("Adam"), QStringLiteral("Jan"), QStringLiteral("72"));
        dialog.PressOk();
    });
    Command(ID_EDIT_PILOT);
    EXPECT_EQ(ListedLines(), (QStringList{QStringLiteral("Adam,Jan,72"), QStringLiteral("Brown,Anne,21")}));
    EXPECT_EQ(window.GetRoster()[0].frequency, 72);
    // The edited pilot, sorted to the top now, is the one highlighted and
    // selected: the window and the organiser see the same line.
    auto* list = static_cast<ListBoxView*>(window.GetDlgItem(IDC_PILOT_LIST));
    EXPECT_EQ(window.PilotList().GetCurSel(), 0);
    EXPECT_EQ(list->currentIndex().row(), 0);
    EXPECT_TRUE(list->selectionModel()->isRowSelected(0, {}));

    // A double-click edits the line too.
    window.PilotList().SetCurSel(1);
    host.ExpectDialog(IDD_EDIT_PILOT, [](DialogDriver& dialog) {
        TypePilot(dialog, QStringLiteral("Brown"), QStringLiteral("Ann"), QStringLiteral("21"));
        dialog.PressOk();
    });
    emit list->doubleClicked(list->model()->index(1, 0));
    EXPECT_EQ(ListedLines(), (QStringList{QStringLiteral("Adam,Jan,72"), QStringLiteral("Brown,Ann,21")}));

    window.PilotList().SetCurSel(0);
    host.ExpectDialog(IDD_EDIT_PILOT, [](DialogDriver& dialog) {
        dialog.Type(IDC_LAST_NAME, QStringLiteral("Zeman"));
        dialog.PressCancel();
    });
    Command(ID_EDIT_PILOT);
    EXPECT_EQ(ListedLines(), (QStringList{QStringLiteral("Adam,Jan,72"), QStringLiteral("Brown,Ann,21")}));
    EXPECT_TRUE(host.AllAnswered());
}

// Names are taken without the blanks around them and compared with every
// letter's case folded; the same pilot on another channel is another pilot.
TEST_F(PilotCommands, EntryTrimsNamesAndFindsDuplicatesInAnyLetterCase)
{
    AddPilot(QStringLiteral("  Dvořák "), QStringLiteral("\tJiří  "), QStringLiteral("35"));
    EXPECT_EQ(ListedLines(), QStringList{QStringLiteral("Dvořák,Jiří,35")});
    AddPilot(QStringLiteral("DVOŘÁK"), QStringLiteral(" JIŘÍ"), QStringLiteral("35"));
    AddPilot(QStringLiteral("dvořák"), QStringLiteral("jiří"), QStringLiteral("35"));
    EXPECT_EQ(host.TakeMessages(), (QStringList{kDuplicate, kDuplicate}));
    AddPilot(QStringLiteral("Dvořák"), QStringLiteral("Jiří"), QStringLiteral("36"));
    EXPECT_EQ(ListedLines(), (QStringList{QStringLiteral("Dvořák,Jiří,35"), QStringLiteral("Dvořák,Jiří,36")}));

    // A last name of blanks is no name: the dialog says so and stays open.
    host.ExpectDialog(IDD_ADD_PILOT, [](DialogDriver& dialog) {
        TypePilot(dialog, QStringLiteral("   "), QStringLiteral("Jan"), QStringLiteral("35"));
        dialog.PressOk();
        EXPECT_FALSE(dialog.HasEnded());
        EXPECT_EQ(dialog.FocusedControlId(), IDC_LAST_NAME);
        dialog.PressCancel();
    });
    Command(ID_ADD_PILOT);
    EXPECT_EQ(host.TakeMessages(), QStringList{EmptyLastNameMessage()});
    EXPECT_EQ(window.GetRosterCount(), 2);
}

// An edit that would make the line a copy of another pilot's is refused; an
// edit of the line's own letter case is not.
TEST_F(PilotCommands, EditIntoAnotherPilotIsRefusedAsADuplicate)
{
    ListPilots({QStringLiteral("Dvořák,Jiří,35"), QStringLiteral("Zeman,Jan,40")});
    const auto edit = [this](int line, const QString& lastName, const QString& firstName, const QString& channel) {
        window.PilotList().SetCurSel(line);
        host.ExpectDialog(IDD_EDIT_PILOT, [=](DialogDriver& dialog) {
            TypePilot(dialog, lastName, firstName, channel);
            dialog.PressOk();
        });
        Command(ID_EDIT_PILOT);
    };
    edit(1, QStringLiteral("DVOŘÁK"), QStringLiteral("jiří"), QStringLiteral("35"));
    EXPECT_EQ(host.TakeMessages(), QStringList{kDuplicate});
    EXPECT_EQ(ListedLines(), (QStringList{QStringLiteral("Dvořák,Jiří,35"), QStringLiteral("Zeman,Jan,40")}));
    EXPECT_EQ(window.GetRoster()[1].lastName, QStringLiteral("Zeman"));
    edit(0, QStringLiteral("DVOŘÁK"), QStringLiteral("Jiří"), QStringLiteral("35"));
    EXPECT_TRUE(host.Messages().isEmpty());
    EXPECT_EQ(ListedLines(), (QStringList{QStringLiteral("DVOŘÁK,Jiří,35"), QStringLiteral("Zeman,Jan,40")}));
}

namespace {

// The user's locale is Czech before the window opens, and as it was after.
class CzechLocale {
protected:
    CzechLocale() { QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia)); }
    ~CzechLocale() { QLocale::setDefault(m_previous); }

private:
    QLocale m_previous;
};

class CzechPilotCommands : public CzechLocale, public PilotCommands {};

QStringList RosterNames(const CRaceDlg& window)
{
    QStringList names;
    for (int position = 0; position < window.GetRosterCount(); ++position)
        names << window.GetRoster()[position].lastName;
    return names;
}

}  // namespace

// The roster takes the list's order after an add or an edit, so the export
// writes the pilots in the order of the user's language.
TEST_F(CzechPilotCommands, RosterTakesTheListsCzechOrderAfterAddAndEdit)
{
    for (const char* name : {"Žák", "Zeman", "Čermák", "Cibulka", "Šebestová"})
        AddPilot(QString::fromUtf8(name), QStringLiteral("Jan"), QStringLiteral("35"));
    EXPECT_EQ(RosterNames(window), (QStringList{"Cibulka", "Čermák", "Šebestová", "Zeman", "Žák"}));
    window.PilotList().SetCurSel(2);
    host.ExpectDialog(IDD_EDIT_PILOT, [](DialogDriver& dialog) {
        dialog.Type(IDC_LAST_NAME, QStringLiteral("Sýkora"));
        dialog.PressOk();
    });
    Command(ID_EDIT_PILOT);
    EXPECT_EQ(RosterNames(window), (QStringList{"Cibulka", "Čermák", "Sýkora", "Zeman", "Žák"}));
    EXPECT_TRUE(host.Messages().isEmpty());
}

// The team is typed like a name: trimmed, at most the record's length, no
// comma; the edit dialog shows it and keeps it unless changed.
TEST_F(PilotCommands, TeamGoesThroughAddAndEditIntoTheLineAndTheRoster)
{
    host.ExpectDialog(IDD_ADD_PILOT, [](DialogDriver& dialog) {
        EXPECT_EQ(dialog.MaxLength(IDC_TEAM), kTeamChars);
        TypePilot(dialog, QStringLiteral("Novák"), QStringLiteral("Jan"), QStringLiteral("35"));
        dialog.Type(IDC_TEAM, QStringLiteral("Orlík, Brno"));
        dialog.PressOk();
        EXPECT_FALSE(dialog.HasEnded());
        dialog.Type(IDC_TEAM, QStringLiteral("  Orlík "));
        dialog.PressOk();
    });
    Command(ID_ADD_PILOT);
    EXPECT_EQ(host.TakeMessages(), QStringList{NameWithCommaMessage()});
    EXPECT_EQ(ListedLines(), QStringList{QStringLiteral("Novák,Jan,35,Orlík")});
    ASSERT_EQ(window.GetRosterCount(), 1);
    EXPECT_EQ(window.GetRoster()[0].team, QStringLiteral("Orlík"));

    window.PilotList().SetCurSel(0);
    host.ExpectDialog(IDD_EDIT_PILOT, [](DialogDriver& dialog) {
        EXPECT_EQ(dialog.Text(IDC_TEAM), QStringLiteral("Orlík"));
        dialog.Type(IDC_FREQUENCY, QStringLiteral("72"));
        dialog.PressOk();
    });
    Command(ID_EDIT_PILOT);
    EXPECT_EQ(ListedLines(), QStringList{QStringLiteral("Novák,Jan,72,Orlík")});

    window.PilotList().SetCurSel(0);
    host.ExpectDialog(IDD_EDIT_PILOT, [](DialogDriver& dialog) {
        dialog.Type(IDC_TEAM, QString());
        dialog.PressOk();
    });
    Command(ID_EDIT_PILOT);
    EXPECT_EQ(ListedLines(), QStringList{QStringLiteral("Novák,Jan,72")});
    EXPECT_TRUE(window.GetRoster()[0].team.isEmpty());
}

// The list is a table: a click on the channel header sorts the view by
// channel while the lines keep their name order; the keys act on the pilot
// the organiser highlighted wherever the view shows it.
TEST_F(PilotCommands, TableSortsByAClickedHeaderAndItsKeysActOnTheHighlightedPilot)
{
    ListPilots({"Adam,Jan,72", "Brown,Anne,21", "Cerny,Petr,40,Orlík"});
    window.Window()->show();
    auto* list = static_cast<ListBoxView*>(window.GetDlgItem(IDC_PILOT_LIST));
    const auto shown = [list](int row, int column) { return list->model()->index(row, column).data().toString(); };
    EXPECT_EQ(shown(2, 3), QStringLiteral("Orlík"));
    QHeaderView* header = list->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(2) + header->sectionSize(2) / 2, header->height() / 2));
    EXPECT_EQ(shown(0, 0) + shown(1, 0) + shown(2, 0), QStringLiteral("BrownCernyAdam"));
    EXPECT_EQ(ListedLines(), (QStringList{"Adam,Jan,72", "Brown,Anne,21", "Cerny,Petr,40,Orlík"}));

    // The top row shown is Brown: Enter edits him, and he stays highlighted.
    list->setFocus();
    list->selectionModel()->setCurrentIndex(list->model()->index(0, 0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    EXPECT_EQ(window.PilotList().GetCurSel(), 1);
    host.ExpectDialog(IDD_EDIT_PILOT, [](DialogDriver& dialog) {
        EXPECT_EQ(dialog.Text(IDC_LAST_NAME), QStringLiteral("Brown"));
        dialog.Type(IDC_FREQUENCY, QStringLiteral("80"));
        dialog.PressOk();
    });
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(shown(2, 0) + shown(2, 2), QStringLiteral("Brown80"));
    EXPECT_EQ(window.PilotList().GetText(window.PilotList().GetCurSel()), QStringLiteral("Brown,Anne,80"));

    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(ListedLines(), (QStringList{"Adam,Jan,72", "Cerny,Petr,40,Orlík"}));
    EXPECT_EQ(window.GetRosterCount(), 2);
}
