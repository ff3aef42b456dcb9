// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CAboutDlg.h"
#include "platform/DataExchange.h"
#include "platform/DialogDriver.h"
#include "res/Icons.h"
#include "res/ResourceIds.h"
#include "support/CutLabels.h"
#include "support/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>
#include <functional>
#include <vector>

namespace {

QStringList MenuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

void PressKey(QWidget* window, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window, &press);
}

}  // namespace

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, OpensWithItsCaptionFieldsAndEmptyLists)
{
    EXPECT_EQ(window.Window()->windowTitle(), QStringLiteral("Kvorax[*]"));
    EXPECT_FALSE(window.Window()->isWindowModified());
    EXPECT_EQ(window.GetDlgItemText(IDC_ROUNDS), QStringLiteral("6"));
    EXPECT_EQ(window.GetDlgItemText(IDC_HEATS), QStringLiteral("6"));
    EXPECT_EQ(window.GetDlgItemText(IDC_PILOTS_PER_HEAT), QStringLiteral("8"));
    EXPECT_EQ(window.GetDlgItemText(IDC_STATUS), QString());
    EXPECT_EQ(window.GetDlgItemText(IDC_PILOT_COUNT), QString());
    EXPECT_EQ(window.PilotList().GetCount(), 0);
    EXPECT_EQ(window.ResultTree().GetCount(), 0);
}

// A horizontal dialog unit is a quarter of the font's average letter width,
// a vertical one an eighth of its line height.
TEST_F(MainWindow, ControlsKeepTheLayoutInDialogUnits)
{
    const QFontMetricsF metrics(window.Window()->font());
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double unitX = metrics.horizontalAdvance(alphabet) / alphabet.size() / 4.0;
    const double unitY = metrics.height() / 8.0;
    const std::vector<std::pair<int, QRectF>> placed = {
        {IDC_ROUNDS, QRectF(7, 18, 26, 14)},         {IDC_HEATS, QRectF(57, 18, 26, 14)},
        {IDC_PILOTS_PER_HEAT, QRectF(107, 18, 29, 14)}, {IDC_STATUS, QRectF(7, 44, 416, 8)},
        {IDC_PILOT_COUNT, QRectF(217, 59, 19, 8)},    {IDC_PILOT_LIST, QRectF(7, 70, 230, 165)},
        {IDC_RESULT_TREE, QRectF(246, 70, 177, 164)}, {IDC_HEAT_GRID, QRectF(246, 70, 177, 164)},
        {IDCANCEL, QRectF(373, 7, 50, 14)},
    };
    for (const auto& [id, du] : placed) {
        const QRect pixels = window.GetDlgItem(id)->geometry();
        EXPECT_NEAR(pixels.x(), du.x() * unitX, 1.0) << id;
        EXPECT_NEAR(pixels.y(), du.y() * unitY, 1.0) << id;
        EXPECT_NEAR(pixels.width(), du.width() * unitX, 1.0) << id;
        EXPECT_NEAR(pixels.height(), du.height() * unitY, 1.0) << id;
    }
    const QWidget* client = window.GetDlgItem(IDC_PILOT_LIST)->parentWidget();
    EXPECT_NEAR(client->width(), 430 * unitX, 1.0);
    EXPECT_NEAR(client->height(), 242 * unitY, 1.0);
}

TEST_F(MainWindow, LabelsOfTheWindowAndTheAboutBoxShowTheirWholeText)
{
    EXPECT_EQ(CutLabels(window.Window()), QStringList());
    CAboutDlg about(host);
    about.Create();
    EXPECT_EQ(CutLabels(about.Window()), QStringList());
}

TEST_F(MainWindow, MenuHoldsEveryCommandInOrder)
{
    QStringList popups;
    QList<QStringList> items;
    for (QAction* popup : window.MenuBar()->actions()) {
        popups << popup->text();
        items << MenuTexts(popup->menu());
    }
    EXPECT_EQ(popups, (QStringList{QStringLiteral("&Soubor"), QStringLiteral("Úp&ravy"), QStringLiteral("&Matrix"), QStringLiteral("Pi&lot"),
                                   QStringLiteral("&Tisk"), QStringLiteral("Zo&brazení"), QStringLiteral("&Jazyk / Language"),
                                   QStringLiteral("&O programu")}));
    // The five recent contests are hidden while the window knows none.
    EXPECT_EQ(items[0], (QStringList{QStringLiteral("&Nová soutěž"), QStringLiteral("&Otevřít soutěž…"),
                                     QStringLiteral("Uložit &soutěž"), QStringLiteral("Uložit soutěž &jako…"),
                                     QStringLiteral("Sou&těž…"), QStringLiteral("-"), QString(), QString(), QString(),
                                     QString(), QString(), QStringLiteral("-"), QStringLiteral("&Import seznamu pilotů"),
                                     QStringLiteral("&Export seznamu pilotů"), QStringLiteral("-"), QStringLiteral("E&xit")}));
    for (int recent = 6; recent < 11; ++recent)
        EXPECT_FALSE(window.MenuBar()->actions()[0]->menu()->actions()[recent]->isVisible());
    EXPECT_EQ(items[1], (QStringList{QStringLiteral("&Zpět"), QStringLiteral("Z&novu")}));
    EXPECT_EQ(items[2], (QStringList{QStringLiteral("&Přepočítat"), QStringLiteral("&Vyvážený přepočet"),
                                     QStringLiteral("&Statistika setkání"), QStringLiteral("-"),
                                     QStringLiteral("&Export Matrixu"), QStringLiteral("Export karty &heatů "),
                                     QStringLiteral("Export rozpisu (&CSV)…"), QStringLiteral("Export &webové stránky…"),
                                     QStringLiteral("Export čas&oměřičů…"), QStringLiteral("-"),
                                     QStringLiteral("Ods&toupení…"), QStringLiteral("Po&zdní přihlášení…"),
                                     QStringLiteral("Prohodit p&iloty…"), QStringLiteral("Přes&unout pilota…"),
                                     QStringLiteral("Přepočítat od &kola…")}));
    EXPECT_EQ(items[3], (QStringList{QStringLiteral("&Vložit"), QStringLiteral("&Odstranit"), QStringLiteral("&Editovat")}));
    EXPECT_EQ(items[4], (QStringList{QStringLiteral("&Matrix"), QStringLiteral("&Karta heatů"),
                                     QStringLiteral("&Startovní listiny"), QStringLiteral("Seznam &pilotů")}));
    EXPECT_EQ(items[5], (QStringList{QStringLiteral("&Strom rozpisu"), QStringLiteral("&Mřížka heatů")}));
    EXPECT_EQ(items[6], (QStringList{QStringLiteral("&Výchozí"), QStringLiteral("&Čeština"), QStringLiteral("&English")}));
    EXPECT_EQ(items[7], QStringList{QStringLiteral("&O programu")});
}

TEST_F(MainWindow, MenuItemsCarryTheirCommandIds)
{
    QList<int> ids;
    for (QAction* popup : window.MenuBar()->actions()) {
        for (QAction* item : popup->menu()->actions())
            ids << (item->isSeparator() ? 0 : item->data().toInt());
    }
    EXPECT_EQ(ids, (QList<int>{32800, 32801, 32802, 32803, 32804, 0,     32810, 32811, 32812, 32813, 32814,
                               0,     32771, 32772, 0,     32775, 32806, 32807, 32773, 32790, 32791, 0,     32774, 32780,
                               32805, 32822, 32830, 0,     32808, 32840, 32841, 32842, 32809, 32776, 32777, 32778, 32782, 32781, 32820, 32821, 32850, 32851,
                               32795, 32796, 32797, 32779}));
}

// Each item reaches its own command: on an empty window the commands that
// open a dialog open theirs, and those that need a pilot or a schedule each
// refuse with their own message, the same as when called directly.
TEST_F(MainWindow, EveryMenuItemRunsItsCommand)
{
    const auto choose = [this](int popup, int item) {
        window.MenuBar()->actions()[popup]->menu()->actions()[item]->trigger();
    };
    const auto cancel = [](DialogDriver& dialog) { dialog.PressCancel(); };
    choose(0, 0);  // a new contest over an unchanged one: nothing to ask
    for (const int fileItem : {1, 2, 3}) {  // open, save (the contest has no file yet), save as
        host.AnswerFile(std::nullopt);
        choose(0, fileItem);
    }
    EXPECT_EQ(host.FileRequests().size(), 3u);
    EXPECT_TRUE(host.FileRequests()[0].open);
    EXPECT_FALSE(host.FileRequests()[1].open || host.FileRequests()[2].open);
    host.ExpectDialog(IDD_CONTEST, cancel);
    choose(0, 4);
    host.ExpectDialog(IDD_IMPORT_PILOTS, cancel);
    choose(0, 12);
    host.ExpectDialog(IDD_EXPORT_PILOTS, cancel);
    choose(0, 13);
    host.ExpectDialog(IDD_ADD_PILOT, cancel);
    choose(3, 0);
    host.ExpectDialog(IDD_ABOUTBOX, [](DialogDriver& about) { about.PressOk(); });
    choose(7, 0);
    EXPECT_TRUE(host.AllAnswered());

    const std::vector<std::pair<QPoint, std::function<void()>>> refusing = {
        {QPoint(2, 2), [this] { window.OnShowStatistics(); }},
        {QPoint(2, 4), [this] { window.OnExportMatrix(); }},
        {QPoint(2, 5), [this] { window.OnExportHeatCards(); }},
        {QPoint(2, 6), [this] { window.ShowOutcome(window.ExportScheduleCsv()); }},
        {QPoint(2, 10), [this] { window.ShowOutcome(window.WithdrawPilotFromSchedule()); }},
        {QPoint(2, 11), [this] { window.ShowOutcome(window.EnterLatePilotCommand()); }},
        {QPoint(2, 12), [this] { window.ShowOutcome(window.SwapPilotsCommand()); }},
        {QPoint(2, 13), [this] { window.ShowOutcome(window.MovePilotCommand()); }},
        {QPoint(2, 14), [this] { window.ShowOutcome(window.RedrawFromRoundCommand()); }},
        {QPoint(3, 1), [this] { window.OnDeletePilot(); }},
        {QPoint(3, 2), [this] { window.OnEditPilot(); }},
        {QPoint(4, 0), [this] { window.OnPrintMatrix(); }},
        {QPoint(4, 1), [this] { window.OnPrintHeatCards(); }},
    };
    QStringList refusals;
    for (const auto& [item, command] : refusing) {
        choose(item.x(), item.y());
        const QStringList fromMenu = host.TakeMessages();
        command();
        EXPECT_EQ(fromMenu, host.TakeMessages()) << item.x() << "," << item.y();
        EXPECT_EQ(fromMenu.size(), 1);
        refusals << fromMenu;
    }
    refusals.removeDuplicates();
    EXPECT_EQ(refusals.size(), static_cast<qsizetype>(refusing.size()));

    ListPilots({QStringLiteral("A,a,1"), QStringLiteral("B,b,2")});
    choose(2, 0);
    EXPECT_GT(window.ResultTree().GetCount(), 0);
    host.AnswerQuestion(IDNO);
    choose(0, 15);
    EXPECT_TRUE(window.HasEnded());
}

TEST_F(MainWindow, AboutBoxOpensFromTheMenuAndTheSystemMenu)
{
    QStringList seen;
    for (int opening = 0; opening < 2; ++opening) {
        host.ExpectDialog(IDD_ABOUTBOX, [&seen](DialogDriver& about) {
            seen << about.Text(IDOK);
            about.PressOk();
        });
    }
    window.MenuBar()->actions().last()->menu()->actions()[0]->trigger();

    QMenu* systemMenu = window.SystemMenu();
    const QList<QAction*> actions = systemMenu->actions();
    ASSERT_GE(actions.size(), 2);
    EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
    EXPECT_EQ(actions.last()->text(), QStringLiteral("&O Kvoraxu..."));
    actions.last()->trigger();

    EXPECT_EQ(seen, (QStringList{QStringLiteral("OK"), QStringLiteral("OK")}));
    EXPECT_FALSE(window.HasEnded());
}

TEST_F(MainWindow, LeavingHeatsSpreadsThePilotsOverTheHeats)
{
    DialogDriver user(window);
    user.Leave(IDC_HEATS);  // an empty list has nothing to spread
    EXPECT_EQ(user.Text(IDC_HEATS), QStringLiteral("6"));
    EXPECT_EQ(user.Text(IDC_PILOTS_PER_HEAT), QStringLiteral("8"));

    for (int pilot = 0; pilot < 20; ++pilot)
        window.PilotList().AddString(QStringLiteral("P%1,X,%1").arg(pilot));
    window.RebuildRoster();
    user.Type(IDC_HEATS, QStringLiteral("3"));
    user.Leave(IDC_HEATS);
    EXPECT_EQ(window.PilotsPerHeat(), 7);
    user.Type(IDC_HEATS, QStringLiteral("6"));
    user.Leave(IDC_HEATS);
    EXPECT_EQ(window.Heats(), 6);
    EXPECT_EQ(window.PilotsPerHeat(), 4);
    EXPECT_EQ(user.Text(IDC_PILOTS_PER_HEAT), QStringLiteral("4"));
    EXPECT_TRUE(host.Messages().isEmpty());
}

TEST_F(MainWindow, FewerPilotsThanHeatsGoIntoOneHeat)
{
    ListPilots({QStringLiteral("A,a,1"), QStringLiteral("B,b,2"), QStringLiteral("C,c,3"), QStringLiteral("D,d,4"),
                QStringLiteral("E,e,5")});
    DialogDriver user(window);
    user.Leave(IDC_HEATS);
    EXPECT_EQ(window.Heats(), 1);
    EXPECT_EQ(window.PilotsPerHeat(), 6);
    EXPECT_EQ(user.Text(IDC_HEATS), QStringLiteral("1"));
    EXPECT_EQ(user.Text(IDC_PILOTS_PER_HEAT), QStringLiteral("6"));
    EXPECT_TRUE(host.Messages().isEmpty());
}

// The real focus: moving on from the heats field adjusts; a menu or another
// window taking the focus for a while is not leaving the field.
TEST_F(MainWindow, MovingTheFocusOnFromHeatsAdjusts)
{
    ListPilots({QStringLiteral("A,a,1"), QStringLiteral("B,b,2"), QStringLiteral("C,c,3")});
    window.Window()->show();
    QApplication::setActiveWindow(window.Window());
    QWidget* heats = window.GetDlgItem(IDC_HEATS);
    QWidget* rounds = window.GetDlgItem(IDC_ROUNDS);
    heats->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(heats->hasFocus());
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(heats, &popup);
    QFocusEvent otherWindow(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(heats, &otherWindow);
    EXPECT_EQ(window.GetDlgItemText(IDC_PILOTS_PER_HEAT), QStringLiteral("8"));

    rounds->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(window.GetDlgItemText(IDC_HEATS), QStringLiteral("1"));
    EXPECT_EQ(window.GetDlgItemText(IDC_PILOTS_PER_HEAT), QStringLiteral("4"));
    window.SetDlgItemText(IDC_HEATS, QStringLiteral("2"));
    window.GetDlgItem(IDC_PILOTS_PER_HEAT)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(window.GetDlgItemText(IDC_PILOTS_PER_HEAT), QStringLiteral("4"));
}

TEST_F(MainWindow, LeavingTheOtherFieldsChangesNothing)
{
    DialogDriver user(window);
    user.Leave(IDC_ROUNDS);
    user.Leave(IDC_PILOTS_PER_HEAT);
    EXPECT_EQ(user.Text(IDC_HEATS), QStringLiteral("6"));
    EXPECT_EQ(user.Text(IDC_PILOTS_PER_HEAT), QStringLiteral("8"));
    EXPECT_EQ(window.Heats(), 6);
}

TEST_F(MainWindow, LeavingHeatsOutsideItsRangeReportsItAndChangesNothingElse)
{
    ListPilots({QStringLiteral("A,a,11"), QStringLiteral("B,b,12"), QStringLiteral("C,c,13")});
    DialogDriver user(window);
    for (const QString& heats : {QStringLiteral("0"), QStringLiteral("11")}) {
        user.Type(IDC_HEATS, heats);
        user.Leave(IDC_HEATS);
        EXPECT_EQ(host.TakeMessages(), QStringList{IntegerRangeMessage(1, 10)});
        EXPECT_EQ(user.Text(IDC_HEATS), heats);
        EXPECT_EQ(user.Text(IDC_PILOTS_PER_HEAT), QStringLiteral("8"));
    }
}

TEST_F(MainWindow, LeavingHeatsAfterACalculationKeepsItsResult)
{
    ListPilots({QStringLiteral("A,a,1"), QStringLiteral("B,b,2"), QStringLiteral("C,c,3"), QStringLiteral("D,d,4")});
    DialogDriver user(window);
    user.Type(IDC_ROUNDS, QStringLiteral("2"));
    user.Type(IDC_HEATS, QStringLiteral("1"));
    user.Type(IDC_PILOTS_PER_HEAT, QStringLiteral("4"));
    window.OnCommand(ID_RECALCULATE, BN_CLICKED);
    const int nodes = window.ResultTree().GetCount();
    ASSERT_EQ(nodes, 4 + 4 * 2);

    user.Leave(IDC_HEATS);
    EXPECT_EQ(window.PilotsPerHeat(), 4);
    EXPECT_EQ(window.ResultTree().GetCount(), nodes);
    // The export still has a schedule to write, so it asks for the file.
    host.ExpectDialog(IDD_EXPORT_MATRIX, [](DialogDriver& dialog) { dialog.PressCancel(); });
    window.OnCommand(ID_EXPORT_MATRIX, BN_CLICKED);
    EXPECT_TRUE(host.Messages().isEmpty());
}

// A heats number beyond the matrix is reported and keeps the focus; the
// pilots are not spread over it.
TEST_F(MainWindow, LeavingHeatsBeyondTheirRangeReportsItAndSpreadsNothing)
{
    for (int pilot = 0; pilot < 20; ++pilot)
        window.PilotList().AddString(QStringLiteral("P%1,X,%1").arg(pilot));
    window.RebuildRoster();
    DialogDriver user(window);
    user.Type(IDC_HEATS, QStringLiteral("11"));
    user.Type(IDC_ROUNDS, QStringLiteral("4"));
    user.Leave(IDC_HEATS);
    EXPECT_EQ(host.TakeMessages(), QStringList{IntegerRangeMessage(1, 10)});
    EXPECT_EQ(user.FocusedControlId(), IDC_HEATS);
    EXPECT_EQ(window.Rounds(), 4);
    EXPECT_EQ(window.PilotsPerHeat(), 8);
    EXPECT_EQ(user.Text(IDC_PILOTS_PER_HEAT), QStringLiteral("8"));
    EXPECT_EQ(user.Text(IDC_HEATS), QStringLiteral("11"));
}

TEST_F(MainWindow, FieldOutOfRangeIsReportedAndFocused)
{
    DialogDriver user(window);
    user.Type(IDC_ROUNDS, QStringLiteral("26"));
    user.Type(IDC_HEATS, QStringLiteral("3"));
    window.OnEnterKey();
    EXPECT_EQ(host.TakeMessages(), QStringList{QStringLiteral("Please enter an integer between 1 and 25.")});
    EXPECT_EQ(user.FocusedControlId(), IDC_ROUNDS);
    EXPECT_EQ(window.Rounds(), 26);  // the field that failed keeps the number typed
    EXPECT_EQ(window.Heats(), 6);    // the fields after it were not read

    user.Type(IDC_ROUNDS, QStringLiteral("25"));
    user.Type(IDC_PILOTS_PER_HEAT, QStringLiteral("abc"));
    window.OnEnterKey();
    EXPECT_EQ(host.TakeMessages(), QStringList{QStringLiteral("Please enter an integer.")});
    EXPECT_EQ(user.FocusedControlId(), IDC_PILOTS_PER_HEAT);
    EXPECT_EQ(window.Heats(), 3);
    EXPECT_FALSE(window.HasEnded());
}

TEST_F(MainWindow, EnterAndEscapeKeepTheWindowOpen)
{
    PressKey(window.Window(), Qt::Key_Escape);
    PressKey(window.Window(), Qt::Key_Return);
    PressKey(window.Window(), Qt::Key_Enter);
    EXPECT_FALSE(window.HasEnded());
    EXPECT_TRUE(host.Messages().isEmpty());
}

TEST_F(MainWindow, EnterWithABadFieldShowsTheRangeMessageOnly)
{
    DialogDriver user(window);
    user.Type(IDC_PILOTS_PER_HEAT, QStringLiteral("13"));
    PressKey(window.Window(), Qt::Key_Return);
    EXPECT_EQ(host.TakeMessages(), QStringList{QStringLiteral("Please enter an integer between 2 and 12.")});
    EXPECT_FALSE(window.HasEnded());
}

TEST_F(MainWindow, ExitFromTheMenuClosesTheWindow)
{
    window.OnCommand(ID_EXIT, BN_CLICKED);
    EXPECT_TRUE(window.HasEnded());
}

TEST_F(MainWindow, ExitButtonClosesTheWindow)
{
    DialogDriver(window).Press(IDCANCEL);
    EXPECT_TRUE(window.HasEnded());
}

TEST_F(MainWindow, CloseBoxAndSystemCloseCloseTheWindow)
{
    window.Window()->close();
    EXPECT_TRUE(window.HasEnded());
    window.Create();
    EXPECT_FALSE(window.HasEnded());
    window.SystemMenu()->actions().first()->trigger();
    EXPECT_TRUE(window.HasEnded());
}

TEST_F(MainWindow, DoubleClickOnTheListRunsTheEditCommand)
{
    // With nothing selected the edit command refuses, whichever way it started.
    window.OnCommand(ID_EDIT_PILOT, BN_CLICKED);
    const QStringList fromMenu = host.TakeMessages();
    window.OnCommand(IDC_PILOT_LIST, LBN_DBLCLK);
    EXPECT_EQ(host.TakeMessages(), fromMenu);
}

// Pilots show the roundel, heats the bar, and any node the star while selected.
TEST_F(MainWindow, ResultTreeShowsItsThreePictures)
{
    ListPilots({QStringLiteral("A,a,1"), QStringLiteral("B,b,2")});
    window.OnCommand(ID_RECALCULATE, BN_CLICKED);
    auto* tree = qobject_cast<QTreeWidget*>(window.GetDlgItem(IDC_RESULT_TREE));
    ASSERT_NE(tree, nullptr);
    ASSERT_GT(tree->topLevelItemCount(), 0);
    const QTreeWidgetItem* pilot = tree->topLevelItem(0);
    ASSERT_GT(pilot->childCount(), 0);
    const auto picture = [](const QTreeWidgetItem* item, QIcon::Mode mode) {
        return item->icon(0).pixmap(QSize(16, 16), mode).toImage();
    };
    const auto drawn = [](int id) { return LoadIcon(id).pixmap(QSize(16, 16)).toImage(); };
    EXPECT_EQ(picture(pilot, QIcon::Normal), drawn(IDI_PILOT));
    EXPECT_EQ(picture(pilot->child(0), QIcon::Normal), drawn(IDI_HEAT));
    EXPECT_EQ(picture(pilot, QIcon::Selected), drawn(IDI_SELECTED));
    EXPECT_EQ(picture(pilot->child(0), QIcon::Selected), drawn(IDI_SELECTED));
}

TEST_F(MainWindow, ResultTreeShowsNoLinesOrButtons)
{
    auto* tree = qobject_cast<QTreeWidget*>(window.GetDlgItem(IDC_RESULT_TREE));
    ASSERT_NE(tree, nullptr);
    EXPECT_FALSE(tree->rootIsDecorated());
    EXPECT_TRUE(tree->isHeaderHidden());
}

// Two windows never share a host: each one's dialogs, and the messages of
// those dialogs and of its commands, go to the host it was handed.
TEST(MainWindowHost, EachWindowWorksOnlyTheHostItWasHanded)
{
    ScriptedModalHost first;
    ScriptedModalHost second;
    CRaceDlg firstWindow(first);
    CRaceDlg secondWindow(second);
    firstWindow.Create();
    secondWindow.Create();
    second.ExpectDialog(IDD_ADD_PILOT, [](DialogDriver& user) {
        user.Type(IDC_LAST_NAME, "Novák");
        user.Type(IDC_FIRST_NAME, "Jan");
        user.Type(IDC_FREQUENCY, "9");
        user.PressOk();
        user.PressCancel();
    });

    secondWindow.OnAddPilot();
    firstWindow.OnDeletePilot();

    EXPECT_TRUE(second.AllAnswered());
    EXPECT_EQ(second.Messages(), QStringList{IntegerRangeMessage(10, 80)});
    EXPECT_EQ(first.Messages().size(), 1);
    EXPECT_TRUE(first.Messages().front().startsWith("You must select a pilot"));
    EXPECT_TRUE(first.Problems().isEmpty());
    EXPECT_TRUE(second.Problems().isEmpty());
}

// A larger window gives its room to the pilot list and the result tree, half
// the width each and all the height; it never gets smaller than at the start.
TEST_F(MainWindow, ResizedWindowGivesItsRoomToTheListAndTheTree)
{
    QDialog* shown = window.Window();
    shown->show();
    const QSize start = shown->size();
    EXPECT_EQ(shown->minimumSize(), start);
    const auto geometryOf = [this](int id) { return window.GetDlgItem(id)->geometry(); };
    const QRect list = geometryOf(IDC_PILOT_LIST);
    const QRect tree = geometryOf(IDC_RESULT_TREE);
    const QRect exit = geometryOf(IDCANCEL);
    const QRect rounds = geometryOf(IDC_ROUNDS);

    shown->resize(start + QSize(200, 120));
    QApplication::sendPostedEvents();
    EXPECT_EQ(geometryOf(IDC_PILOT_LIST), list.adjusted(0, 0, 100, 120));
    EXPECT_EQ(geometryOf(IDC_RESULT_TREE), tree.adjusted(100, 0, 200, 120));
    EXPECT_EQ(geometryOf(IDCANCEL), exit.translated(200, 0));
    EXPECT_EQ(geometryOf(IDC_ROUNDS), rounds);

    shown->resize(start - QSize(100, 100));
    QApplication::sendPostedEvents();
    EXPECT_EQ(shown->size(), start);
    EXPECT_EQ(geometryOf(IDC_PILOT_LIST), list);
}
