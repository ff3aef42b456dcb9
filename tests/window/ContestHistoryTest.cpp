// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ContestFile.h"
#include "matrix/MatrixFileFormat.h"
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "support/KvoraxProcess.h"
#include "support/MainWindowFixture.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <memory>
#include <random>

namespace {

const QString kContest = QStringLiteral(KVORAX_SOURCE_DIR "/examples/contest.txt");

class ContestHistory : public MainWindowFixture {
protected:
    ContestHistory()
    {
        host.ExpectDialog(IDD_IMPORT_PILOTS, [](DialogDriver& user) {
            user.Type(IDC_IMPORT_PATH, kContest);
            user.PressOk();
        });
        window.OnCommand(ID_IMPORT_PILOTS, BN_CLICKED);
        host.AnswerFile(m_dir.filePath("cup.kvorax"));
        window.OnCommand(ID_SAVE_CONTEST, BN_CLICKED);
        host.AnswerFile(m_dir.filePath("cup.kvorax"));
        window.OnCommand(ID_OPEN_CONTEST, BN_CLICKED);  // a history of its own
    }

    void Choose(int id) { window.OnCommand(id, BN_CLICKED); }

    QAction* Item(int id)
    {
        for (QAction* action : window.MenuBar()->findChildren<QAction*>())
            if (!action->menu() && action->data().toInt() == id)
                return action;
        return nullptr;
    }

    // Undoes (or redoes) through the menu until there is nothing left, and
    // says how many steps it took.
    int WalkToTheEnd(int id)
    {
        int steps = 0;
        while (Item(id)->isEnabled() && steps < 1000) {
            Choose(id);
            ++steps;
        }
        return steps;
    }

    void Recalculate(int heats, int pilotsPerHeat, long long seed)
    {
        DialogDriver user(window);
        user.Type(IDC_HEATS, QString::number(heats));
        user.Type(IDC_PILOTS_PER_HEAT, QString::number(pilotsPerHeat));
        window.SetClock([seed] { return seed; });
        Choose(ID_RECALCULATE);
    }

    // A pilot of the heat grid dropped on another seat of the round: a swap,
    // a move, or a refusal.
    template <typename Pick>
    void DragInTheHeatGrid(const Pick& pick)
    {
        QAbstractItemModel* grid = static_cast<QAbstractItemView*>(window.GetDlgItem(IDC_HEAT_GRID))->model();
        if (grid->rowCount() == 0)
            return;
        const int seats = grid->rowCount() / window.GetResult().rounds;
        const QModelIndex from = grid->index(pick(grid->rowCount()), pick(grid->columnCount()));
        const QModelIndex onto = grid->index(from.row() / seats * seats + pick(seats), pick(grid->columnCount()));
        const std::unique_ptr<QMimeData> seat(grid->mimeData({from}));
        if (seat)
            grid->dropMimeData(seat.get(), Qt::MoveAction, -1, -1, onto);
    }

    // One of the commands an organiser changes a contest with, chosen and
    // filled in at random.
    void RandomCommand(std::mt19937& random)
    {
        const auto pick = [&](int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); };
        const auto selectSomeone = [&] { window.PilotList().SetCurSel(pick(window.PilotList().GetCount())); };
        switch (pick(7)) {
        case 0:
            if (window.GetResult().completed && window.GetResult().rounds > 1)
                host.AnswerQuestion(IDNO);  // to the list only, no late entry
            host.ExpectDialog(IDD_ADD_PILOT, [n = pick(1000)](DialogDriver& user) {
                user.Type(IDC_LAST_NAME, QStringLiteral("Pozdní%1").arg(n));
                user.Type(IDC_FREQUENCY, QString::number(10 + n % 51));
                user.PressOk();
            });
            Choose(ID_ADD_PILOT);
            break;
        case 1:
            selectSomeone();
            Choose(ID_DELETE_PILOT);
            break;
        case 2:
            selectSomeone();
            host.ExpectDialog(IDD_EDIT_PILOT, [n = pick(71)](DialogDriver& user) {
                user.Type(IDC_FREQUENCY, QString::number(10 + n));
                user.PressOk();
            });
            Choose(ID_EDIT_PILOT);
            break;
        case 3:  // two heats are too few for thirty pilots: a failed draw is a step too
            Recalculate(2 + pick(5), 6 + pick(7), pick(100000));
            break;
        case 4:
            host.ExpectDialog(IDD_CONTEST, [n = pick(100)](DialogDriver& user) {
                user.Type(IDC_CONTEST_NAME, QStringLiteral("Pohár %1").arg(n));
                user.PressOk();
            });
            Choose(ID_CONTEST_DETAILS);
            break;
        case 5:
            DragInTheHeatGrid(pick);
            break;
        default:
            DialogDriver(window).Type(IDC_HEATS, QString::number(1 + pick(10)));
            DialogDriver(window).Leave(IDC_HEATS);
            break;
        }
        host.TakeMessages();  // a refused edit or a failed draw says why; the history does not care
    }

    QTemporaryDir m_dir;
};

}  // namespace

// Whatever the organiser did, undoing all of it gives back the contest as it
// was opened, down to its file, and redoing it all gives the end again.
TEST_F(ContestHistory, UndoingEveryCommandGivesBackTheOpenedContestAndRedoingThemTheEnd)
{
    const Contest saved = window.GetContest();
    const QByteArray savedFile = ContestFileBytes(saved);
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::mt19937 random(seed);
        for (int command = 0; command < 10; ++command)
            RandomCommand(random);
        const Contest end = window.GetContest();
        const QString endMatrix = MatrixFileText(end.result);

        const int undone = WalkToTheEnd(ID_UNDO);
        EXPECT_EQ(window.GetContest(), saved) << "seed " << seed << ", " << undone << " steps undone";
        EXPECT_EQ(ContestFileBytes(window.GetContest()), savedFile) << "seed " << seed;
        EXPECT_FALSE(window.Window()->isWindowModified()) << "seed " << seed;

        EXPECT_EQ(WalkToTheEnd(ID_REDO), undone) << "seed " << seed;
        EXPECT_EQ(window.GetContest(), end) << "seed " << seed;
        EXPECT_EQ(MatrixFileText(window.GetResult()), endMatrix) << "seed " << seed;
        WalkToTheEnd(ID_UNDO);
    }
    EXPECT_TRUE(host.Problems().isEmpty()) << host.Problems().join(u'\n').toStdString();
}

// A draw that fails no longer throws the good one away: it is a step, and
// its item says so.
TEST_F(ContestHistory, AFailedRecalculationIsUndoneToTheGoodDrawBeforeIt)
{
    EXPECT_FALSE(Item(ID_UNDO)->isEnabled());
    Recalculate(6, 8, 2026);
    const CalculationResult good = window.GetResult();
    ASSERT_TRUE(good.completed);
    Recalculate(2, 8, 2027);
    host.TakeMessages();
    EXPECT_FALSE(window.GetResult().completed);
    EXPECT_EQ(Item(ID_UNDO)->text(), QStringLiteral("&Zpět: Přepočítat"));
    Choose(ID_UNDO);
    EXPECT_EQ(window.GetResult(), good);
    EXPECT_EQ(window.GetDlgItemText(IDC_HEATS), QStringLiteral("6"));
    EXPECT_EQ(Item(ID_REDO)->text(), QStringLiteral("Z&novu: Přepočítat"));
    EXPECT_TRUE(window.IsContestChanged());  // the good draw was never saved
    Choose(ID_UNDO);
    EXPECT_FALSE(window.IsContestChanged());
}
