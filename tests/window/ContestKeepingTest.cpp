// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/CRaceDlg.h"
#include "platform/DialogDriver.h"
#include "platform/ScriptedModalHost.h"
#include "res/ResourceIds.h"
#include "support/KvoraxProcess.h"
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
const QString kSaveQuestion = QStringLiteral("Save the changes to the contest first?");

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
        {"MenuExit", [](CRaceDlg& window) { window.MenuBar()->actions()[0]->menu()->actions().last()->trigger(); }},
        // The caption's close box and Alt+F4 both reach the window as a close request.
        {"CloseBoxOrAltF4", [](CRaceDlg& window) { window.Window()->close(); }},
        {"SystemMenuClose", [](CRaceDlg& window) { window.SystemMenu()->actions().first()->trigger(); }},
    };
}

// A window of its own for each case, with a scripted organiser.
class ContestKeeping : public testing::Test {
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

    void TearDown() override
    {
        EXPECT_TRUE(host.Problems().isEmpty()) << host.Problems().join(u'\n').toStdString();
        EXPECT_TRUE(host.AllAnswered());
    }

    QString PathOf(const QString& name) const { return m_dir.filePath(name); }

    static bool IsMarkedChanged(CRaceDlg& window) { return window.Window()->isWindowModified(); }

    ScriptedModalHost host;
    QTemporaryDir m_dir;
};

class ClosingTheWindow : public ContestKeeping, public testing::WithParamInterface<ClosingWay> {};

TEST_P(ClosingTheWindow, AsksOnlyAboutAChangedContestAndKeepsItUnlessToldOtherwise)
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
    EXPECT_EQ(host.TakeMessages(), QStringList{kSaveQuestion});

    const auto discarded = OpenWindow(true);
    host.AnswerQuestion(IDNO);
    close(*discarded);
    EXPECT_TRUE(discarded->HasEnded());

    // A contest without a file is saved as a new one; a cancelled file
    // chooser keeps the window.
    const auto notSaved = OpenWindow(true);
    host.AnswerQuestion(IDYES);
    host.AnswerFile(std::nullopt);
    close(*notSaved);
    EXPECT_FALSE(notSaved->HasEnded());

    // A save that fails says why and keeps the window too.
    const auto failedSave = OpenWindow(true);
    host.AnswerQuestion(IDYES);
    host.AnswerFile(PathOf(QStringLiteral("no folder/cup.kvorax")));
    host.TakeMessages();
    close(*failedSave);
    EXPECT_FALSE(failedSave->HasEnded());
    const QStringList told = host.TakeMessages();
    ASSERT_EQ(told.size(), 2);  // the question, then why the save failed
    EXPECT_TRUE(told[1].contains(QStringLiteral("cup.kvorax"))) << told[1].toStdString();

    const auto saved = OpenWindow(true);
    host.AnswerQuestion(IDYES);
    host.AnswerFile(PathOf(QStringLiteral("cup.kvorax")));
    close(*saved);
    EXPECT_TRUE(saved->HasEnded());
    EXPECT_TRUE(QFile::exists(PathOf(QStringLiteral("cup.kvorax"))));
}

INSTANTIATE_TEST_SUITE_P(EachWay, ClosingTheWindow, testing::ValuesIn(AllClosingWays()),
                         [](const testing::TestParamInfo<ClosingWay>& info) { return info.param.name; });

// Every kind of change marks the contest changed, and a save marks it kept,
// in the title too.
TEST_F(ContestKeeping, AnyChangeMarksTheContestAndSavingKeepsIt)
{
    const QString club = PathOf(QStringLiteral("club.txt"));
    WriteBytes(club, "Dvořák,Petr,40\r\nNovák,Jan,35\r\n");
    const QString contestFile = PathOf(QStringLiteral("cup.kvorax"));
    const auto window = OpenWindow(false);
    const auto save = [&] {
        window->OnCommand(ID_SAVE_CONTEST, BN_CLICKED);
        EXPECT_FALSE(window->IsContestChanged());
        EXPECT_FALSE(IsMarkedChanged(*window));
    };
    EXPECT_FALSE(window->IsContestChanged());

    host.ExpectDialog(IDD_IMPORT_PILOTS, [&](DialogDriver& user) {
        user.Type(IDC_IMPORT_PATH, club);
        user.PressOk();
    });
    window->OnCommand(ID_IMPORT_PILOTS, BN_CLICKED);
    EXPECT_TRUE(IsMarkedChanged(*window)) << "after an import";
    host.AnswerFile(contestFile);  // the first save asks for the file
    save();

    window->OnCommand(ID_RECALCULATE, BN_CLICKED);
    EXPECT_TRUE(IsMarkedChanged(*window)) << "after a draw";
    save();

    host.AnswerQuestion(IDNO);  // to the list only, no late entry
    host.ExpectDialog(IDD_ADD_PILOT, [](DialogDriver& user) {
        user.Type(IDC_LAST_NAME, QStringLiteral("Zeman"));
        user.Type(IDC_FREQUENCY, QStringLiteral("41"));
        user.PressOk();
    });
    window->OnCommand(ID_ADD_PILOT, BN_CLICKED);
    host.DropMessage(host.Questions().back().text);
    EXPECT_TRUE(IsMarkedChanged(*window)) << "after an add";
    save();

    host.ExpectDialog(IDD_CONTEST, [](DialogDriver& user) {
        user.Type(IDC_CONTEST_NAME, QStringLiteral("  Jarní pohár "));
        user.PickDate(IDC_CONTEST_DATE, QDate(2027, 4, 17));
        user.PressOk();
    });
    window->OnCommand(ID_CONTEST_DETAILS, BN_CLICKED);
    EXPECT_TRUE(IsMarkedChanged(*window)) << "after a change of name";
    EXPECT_EQ(window->Window()->windowTitle(), QStringLiteral("Jarní pohár – Kvorax[*]"));
    save();

    // A field typed and not yet calculated with is a change the window shows.
    DialogDriver(*window).Type(IDC_ROUNDS, QStringLiteral("4"));
    EXPECT_TRUE(window->IsContestChanged());
    save();
    EXPECT_EQ(window->GetContest().fields.rounds, 4);

    EXPECT_TRUE(host.TakeMessages().isEmpty());
    window->OnCommand(ID_EXIT, BN_CLICKED);
    EXPECT_TRUE(window->HasEnded());
}

TEST_F(ContestKeeping, EnterAndEscapeNeverCloseAChangedContest)
{
    const auto window = OpenWindow(true);
    for (const int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(window->Window(), &press);
    }
    EXPECT_FALSE(window->HasEnded());
    EXPECT_TRUE(host.Messages().isEmpty());
}

// New, Open and Import over a changed contest ask the same three ways.
TEST_F(ContestKeeping, NewOpenAndImportOverAChangedContestAskFirst)
{
    const QString club = PathOf(QStringLiteral("club.txt"));
    WriteBytes(club, "Dvořák,Petr,40\r\n");
    const QString kept = PathOf(QStringLiteral("kept.kvorax"));
    {
        const auto source = OpenWindow(false);
        source->PilotList().AddString(QStringLiteral("Dvořák,Petr,40"));
        source->RebuildRoster();
        host.AnswerFile(kept);
        source->OnSaveContestAs();
    }
    const auto listed = [](CRaceDlg& window) { return window.PilotList().GetCount() ? window.PilotList().GetText(0) : QString(); };
    // Each command with what its user does after the question.
    struct Command {
        const char* name;
        int id;
        std::function<void()> answer;
    };
    const Command commands[] = {
        {"new", ID_NEW_CONTEST, [] {}},
        {"open", ID_OPEN_CONTEST, [&] { host.AnswerFile(kept); }},
        {"import", ID_IMPORT_PILOTS,
         [&] {
             host.ExpectDialog(IDD_IMPORT_PILOTS, [&](DialogDriver& user) {
                 user.Type(IDC_IMPORT_PATH, club);
                 user.PressOk();
             });
         }},
    };
    for (const Command& command : commands) {
        const auto window = OpenWindow(true);
        DialogDriver(*window).Type(IDC_ROUNDS, QStringLiteral("3"));  // Cancel keeps what is typed, too
        host.AnswerQuestion(IDCANCEL);
        window->OnCommand(command.id, BN_CLICKED);
        EXPECT_EQ(listed(*window), kPilotLine) << command.name;
        EXPECT_EQ(window->GetDlgItemText(IDC_ROUNDS), QStringLiteral("3")) << command.name;
        EXPECT_EQ(host.TakeMessages(), QStringList{kSaveQuestion}) << command.name;

        host.AnswerQuestion(IDNO);
        command.answer();
        window->OnCommand(command.id, BN_CLICKED);
        EXPECT_NE(listed(*window), kPilotLine) << command.name << ": the pilots were not replaced";
        EXPECT_EQ(host.TakeMessages(), QStringList{kSaveQuestion}) << command.name;
    }
}

}  // namespace
