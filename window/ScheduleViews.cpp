// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule is shown as a tree of pilots and their heats, or as a grid of
// rounds and heats, where the organiser swaps and moves pilots by dragging
// them. Both show the window's contest; the Zobrazení menu chooses which.
// A drop changes the contest as a menu command does: one undo step, and a
// refused drop says why.

#include "window/CRaceDlg.h"

#include "res/ResourceIds.h"
#include "window/ResultTree.h"

#include <QHeaderView>
#include <QTableView>

void CRaceDlg::SetUpHeatGrid()
{
    auto* grid = static_cast<QTableView*>(GetDlgItem(IDC_HEAT_GRID));
    grid->setModel(&m_heatGrid);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setDragDropMode(QAbstractItemView::DragDrop);
    grid->setDefaultDropAction(Qt::MoveAction);
    grid->setDragDropOverwriteMode(true);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().lineSpacing() + 4);
    m_heatGrid.OnChanged([this](const Contest& changed) { TakeHeatGridChange(changed); });
    m_heatGrid.OnRefused([this](const QString& reason) { ShowOutcome(CommandOutcome::Refused(reason)); });
    ShowScheduleView(ID_VIEW_TREE);
}

void CRaceDlg::ShowSchedule()
{
    ShowResult(m_resultTree, m_contest.result);
    m_heatGrid.SetContest(m_contest);
}

void CRaceDlg::ShowScheduleView(int viewId)
{
    ShowControl(IDC_RESULT_TREE, viewId == ID_VIEW_TREE);
    ShowControl(IDC_HEAT_GRID, viewId == ID_VIEW_GRID);
    CheckMenuItem(ID_VIEW_TREE, viewId == ID_VIEW_TREE);
    CheckMenuItem(ID_VIEW_GRID, viewId == ID_VIEW_GRID);
}

void CRaceDlg::TakeHeatGridChange(const Contest& changed)
{
    const Contest before = m_contest;
    m_contest = changed;
    ShowContest();
    RecordChange(before, IDC_HEAT_GRID);
    RefreshTitle();
}
