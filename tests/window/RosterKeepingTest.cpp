// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/CRaceDlg.h"
#include "support/KvoraxProcess.h"
#include "platform/DialogDriver.h"
#include "platform/ScriptedModalHost.h"
#include "res/ResourceIds.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kPilotLine = QStringLiteral("Novák,Jan,35");

// One way the organiser ends the window.
struct ClosingWay {
    const char* name;
    std::function<void(CRaceDlg&)> close;
};

void PrintTo(const ClosingWay& way, std::ostream* out)
{
    *out << way.name;
}

std::vector<ClosingWay> AllClosingWays()
{
    return {
        {"ExitButton", [](CRaceDlg& window) { DialogDriver(window).Press(IDCANCEL); }},
        // Alt+X is the Exit button's mnemonic: it clicks the button itself.
        {"AltX",
         [](CRaceDlg& window) {
             auto* exit = qobject_cast<QPushButton*>(window.GetDlgItem(IDCANCEL));
             ASSERT_EQ(exit->shortcut(), QKeySequence(QStringLiteral("Alt+X")));
             exit->click();
         }},
        {"MenuExit", [](CRaceDlg& window) { window.MenuBar()->actions()[0]->menu()->actions()[3]->trigger(); }},
        // The caption's close box and Alt+F4 both reach the window as a close request.
        {"CloseBoxOrAltF4", [](CRaceDlg& window) { window.Window()->close(); }},
        {"SystemMenuClose", [](CRaceDlg& window) { window.SystemMenu()->actions().first()->trigger(); }},
    };
}

// A window of its own for each case, with a scripted organiser.
class RosterKeeping : public testing::Test {
protected:
    std::unique_ptr<CRaceDlg> OpenWindow(bool changed)
    {
        auto window = std::make_unique<CRaceDlg>(host);
        window->Create();
        if (changed) {
            window->PilotList().AddString(kPilotLine);
            window->RebuildRoster();
        }
        return window;
    }

    void ExpectExport(const QString& path, bool ok)
    {
        host.ExpectDialog(IDD_EXPORT_PILOTS, [=](DialogDriver& user) {
            user.Type(IDC_EXPORT_PATH, path);
            ok ? user.PressOk() : user.PressCancel();
        });
    }

    void TearDown() override
    {
        EXPECT_TRUE(host.Problems().isEmpty()) << host.Problems().join(u'\n').toStdString();
        EXPECT_TRUE(host.AllAnswered());
    }

    QString PathOf(const QString& name) const { return m_dir.filePath(name); }

    ScriptedModalHost host;
    QTemporaryDir m_dir;
};

class ClosingTheWindow : public RosterKeeping, public testing::WithParamInterface<ClosingWay> {};

TEST_P(ClosingTheWindow, AsksOnlyAboutAChangedListAndKeepsItUnlessToldOtherwise)
{
    const auto close = GetParam().close;

    const auto unchanged = OpenWindow(false);
    close(*unchanged);
    EXPECT_TRUE(unchanged->HasEnded());
    EXPECT_TRUE(host.TakeMessages().isEmpty());

    const auto cancelled = OpenWindow(true);
    host.AnswerQuestion(IDCANCEL);
    close(*cancelled);
    EXPECT_FALSE(cancelled->HasEnded());
    EXPECT_EQ(cancelled->PilotList().GetCount(), 1);
    const QStringList asked = host.TakeMessages();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].startsWith(QStringLiteral("The pilot list has changed since it was last imported or exported.")))
        << asked[0].toStdString();

    const auto discarded = OpenWindow(true);
    host.AnswerQuestion(IDNO);
    close(*discarded);
    EXPECT_TRUE(discarded->HasEnded());

    // Saving goes through the export; a cancelled export keeps the window.
    const auto notSaved = OpenWindow(true);
    host.AnswerQuestion(IDYES);
    ExpectExport(PathOf(QStringLiteral("never.txt")), false);
    close(*notSaved);
    EXPECT_FALSE(notSaved->HasEnded());
    EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("never.txt"))));

    // An export that fails says why and keeps the window too.
    const auto failedSave = OpenWindow(true);
    host.AnswerQuestion(IDYES);
    ExpectExport(PathOf(QStringLiteral("no folder/pilots.txt")), true);
    host.TakeMessages();
    close(*failedSave);
    EXPECT_FALSE(failedSave->HasEnded());
    EXPECT_EQ(host.TakeMessages().size(), 2);  // the question, then why the export failed

    const auto saved = OpenWindow(true);
    host.AnswerQuestion(IDYES);
    ExpectExport(PathOf(QStringLiteral("saved.txt")), true);
    close(*saved);
    EXPECT_TRUE(saved->HasEnded());
    EXPECT_EQ(ReadBytes(PathOf(QStringLiteral("saved.txt"))), (kPilotLine + QStringLiteral("\r\n")).toUtf8());
}

INSTANTIATE_TEST_SUITE_P(EachWay, ClosingTheWindow, testing::ValuesIn(AllClosingWays()),
                         [](const testing::TestParamInfo<ClosingWay>& info) { return info.param.name; });

// After an export or an import the list is kept in a file, until it changes.
TEST_F(RosterKeeping, ExportAndImportKeepTheListAndAnEditChangesItAgain)
{
    const auto window = OpenWindow(true);
    EXPECT_TRUE(window->IsRosterChanged());
    ExpectExport(PathOf(QStringLiteral("club.txt")), true);
    window->OnExportPilots();
    EXPECT_FALSE(window->IsRosterChanged());

    window->PilotList().DeleteString(0);
    window->RebuildRoster();
    EXPECT_TRUE(window->IsRosterChanged());
    host.AnswerQuestion(IDNO);
    host.ExpectDialog(IDD_IMPORT_PILOTS, [this](DialogDriver& user) {
        user.Type(IDC_IMPORT_PATH, PathOf(QStringLiteral("club.txt")));
        user.PressOk();
    });
    window->OnImportPilots();
    EXPECT_FALSE(window->IsRosterChanged());
    window->OnCommand(ID_EXIT, BN_CLICKED);
    EXPECT_TRUE(window->HasEnded());
}

TEST_F(RosterKeeping, EnterAndEscapeNeverCloseAChangedList)
{
    const auto window = OpenWindow(true);
    for (const int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(window->Window(), &press);
    }
    EXPECT_FALSE(window->HasEnded());
    EXPECT_TRUE(host.Messages().isEmpty());
}

// Importing over a changed list asks the same three ways; over a kept list
// it asks nothing.
TEST_F(RosterKeeping, ImportOverAChangedListAsksFirst)
{
    const QString club = PathOf(QStringLiteral("club.txt"));
    WriteBytes(club, "Dvořák,Petr,40\r\n");
    const auto importClub = [&] {
        host.ExpectDialog(IDD_IMPORT_PILOTS, [&](DialogDriver& user) {
            user.Type(IDC_IMPORT_PATH, club);
            user.PressOk();
        });
    };
    const auto listed = [](CRaceDlg& window) { return window.PilotList().GetCount() ? window.PilotList().GetText(0) : QString(); };

    const auto cancelled = OpenWindow(true);
    host.AnswerQuestion(IDCANCEL);
    cancelled->OnImportPilots();
    EXPECT_EQ(listed(*cancelled), kPilotLine);
    EXPECT_EQ(host.TakeMessages().size(), 1);

    const auto discarded = OpenWindow(true);
    host.AnswerQuestion(IDNO);
    importClub();
    discarded->OnImportPilots();
    EXPECT_EQ(listed(*discarded), QStringLiteral("Dvořák,Petr,40"));

    const auto saved = OpenWindow(true);
    host.AnswerQuestion(IDYES);
    ExpectExport(PathOf(QStringLiteral("mine.txt")), true);
    importClub();
    saved->OnImportPilots();
    EXPECT_EQ(listed(*saved), QStringLiteral("Dvořák,Petr,40"));
    EXPECT_EQ(ReadBytes(PathOf(QStringLiteral("mine.txt"))), (kPilotLine + QStringLiteral("\r\n")).toUtf8());

    // The list just imported is kept: the next import asks nothing.
    host.TakeMessages();
    importClub();
    saved->OnImportPilots();
    EXPECT_TRUE(host.Messages().isEmpty());
}

}  // namespace
