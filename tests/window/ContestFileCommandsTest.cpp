// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/RecentContests.h"
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "support/KvoraxProcess.h"
#include "support/MainWindowFixture.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>

namespace {

class ContestFileCommands : public MainWindowFixture {
protected:
    ContestFileCommands()
    {
        window.SetSettingsFile(m_dir.filePath("kvorax.conf"));
        ListPilots({"Novák,Jan,35", "Dvořák,Petr,40"});
        window.SetClock([] { return 12; });
        window.OnRecalculate();
    }

    void SaveAs(const QString& path)
    {
        host.AnswerFile(path);
        window.OnSaveContestAs();
    }

    QStringList RecentItems()
    {
        QStringList texts;
        for (QAction* item : window.MenuBar()->actions()[0]->menu()->actions()) {
            const int id = item->data().toInt();
            if (id >= ID_RECENT_CONTEST_FIRST && id < ID_RECENT_CONTEST_FIRST + kRecentContestCount && item->isVisible())
                texts << item->text();
        }
        return texts;
    }

    QTemporaryDir m_dir;
};

}  // namespace

// A file that cannot be read as a contest says why, and the contest in the
// window stays as it was, changes, title and file name included.
TEST_F(ContestFileCommands, RefusedFileLeavesTheWindowsContestAsItWas)
{
    const QString cup = m_dir.filePath("cup.kvorax");
    SaveAs(cup);
    ListPilots({"Zeman,Karel,41"});
    const Contest before = window.GetContest();
    const struct {
        QByteArray bytes;
        QString said;
    } refused[] = {
        {"{\n  \"format\": \"kvorax-contest\",\n  oops\n}", QStringLiteral("line 3")},
        {R"({"format": "kvorax-contest", "version": 7})", QStringLiteral("version 7")},
        {R"({"format": "roster"})", QStringLiteral("format")},
    };
    for (const auto& file : refused) {
        const QString path = m_dir.filePath("bad.kvorax");
        WriteBytes(path, file.bytes);
        host.AnswerQuestion(IDNO);  // open without saving the pilot just listed
        host.AnswerFile(path);
        window.OnCommand(ID_OPEN_CONTEST, BN_CLICKED);
        const QStringList told = host.TakeMessages();
        ASSERT_EQ(told.size(), 2) << told.join(u'\n').toStdString();
        EXPECT_TRUE(told[1].contains(file.said)) << told[1].toStdString();
        EXPECT_TRUE(told[1].endsWith(QStringLiteral("The contest in the window was not changed."))) << told[1].toStdString();
        EXPECT_EQ(window.GetContest(), before);
        EXPECT_EQ(window.ContestPath(), cup);
        EXPECT_TRUE(window.Window()->isWindowModified());
        EXPECT_EQ(window.PilotList().GetCount(), 3);
    }
}

// The window started with a contest file shows that contest as saved.
TEST_F(ContestFileCommands, WindowStartedWithAFileShowsItsContestUnchanged)
{
    const QString cup = m_dir.filePath("cup.kvorax");
    SaveAs(cup);
    ScriptedModalHost otherHost;
    CRaceDlg opened(otherHost);
    opened.OpenAtStart(cup);
    opened.Create();
    EXPECT_TRUE(otherHost.Messages().isEmpty()) << otherHost.Messages().join(u'\n').toStdString();
    EXPECT_EQ(opened.GetContest(), window.GetContest());
    EXPECT_EQ(opened.PilotList().GetCount(), 2);
    EXPECT_EQ(opened.ResultTree().GetCount(), window.ResultTree().GetCount());
    EXPECT_FALSE(opened.IsContestChanged());
    EXPECT_EQ(opened.ContestPath(), cup);
}

// The menu offers the contests saved or opened last, the latest first, each
// once, and opens the one chosen.
TEST_F(ContestFileCommands, RecentContestsAreOfferedLatestFirstAndOpenFromTheMenu)
{
    window.KeepRecentContests();
    EXPECT_TRUE(RecentItems().isEmpty());
    for (const char* name : {"a&b.kvorax", "two.kvorax", "a&b.kvorax"})
        SaveAs(m_dir.filePath(QLatin1String(name)));
    EXPECT_EQ(RecentItems(), (QStringList{"&1 a&&b.kvorax", "&2 two.kvorax"}));

    ListPilots({"Zeman,Karel,41"});
    host.AnswerQuestion(IDNO);
    window.OnCommand(ID_RECENT_CONTEST_FIRST + 1, BN_CLICKED);
    EXPECT_EQ(window.ContestPath(), m_dir.filePath("two.kvorax"));
    EXPECT_EQ(window.PilotList().GetCount(), 2);
    EXPECT_EQ(RecentItems(), (QStringList{"&1 two.kvorax", "&2 a&&b.kvorax"}));

    QStringList many;
    for (int file = 0; file < 8; ++file)
        many = WithRecentContest(many, m_dir.filePath(QStringLiteral("%1.kvorax").arg(file)));
    EXPECT_EQ(many.size(), kRecentContestCount);
    EXPECT_EQ(many.first(), m_dir.filePath("7.kvorax"));
    EXPECT_EQ(many.last(), m_dir.filePath("3.kvorax"));
}
