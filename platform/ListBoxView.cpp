// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ListBoxView.h"

#include "platform/ListAndTree.h"

#include <QHeaderView>

namespace {

constexpr int kDataRole = Qt::UserRole;        // the line's item data, column 0
constexpr int kLineRole = Qt::UserRole + 4;    // the line's text, column 0
constexpr int kNumberRole = Qt::UserRole + 3;  // the number a cell sorts by

}  // namespace

ListBoxView::ColumnOrder::ColumnOrder(QObject* parent)
    : QSortFilterProxyModel(parent)
    , m_collator(SortCollator())
{
}

bool ListBoxView::ColumnOrder::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const QVariant leftNumber = left.data(kNumberRole);
    const QVariant rightNumber = right.data(kNumberRole);
    if (leftNumber.isValid() && rightNumber.isValid())
        return leftNumber.toInt() < rightNumber.toInt();
    return m_collator.compare(left.data().toString(), right.data().toString()) < 0;
}

ListBoxView::ListBoxView(QWidget* parent)
    : QTableView(parent)
    , m_order(this)
{
    m_lines.setColumnCount(1);
    m_order.setSourceModel(&m_lines);
    setModel(&m_order);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() + 4);
    horizontalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    // The lines' own order until the organiser clicks a header.
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    setSortingEnabled(true);
}

void ListBoxView::InsertLine(int position, const QString& text)
{
    QList<QStandardItem*> cells;
    for (int column = 0; column < m_lines.columnCount(); ++column)
        cells << new QStandardItem;
    cells.front()->setData(text, kLineRole);
    cells.front()->setData(-1, kDataRole);
    if (horizontalHeader()->isHidden())
        cells.front()->setText(text);
    m_lines.insertRow(position, cells);
}

void ListBoxView::RemoveLine(int position)
{
    // Removing the selected line leaves no line selected.
    const bool wasSelected = SelectedLine() == position;
    m_lines.removeRow(position);
    if (wasSelected)
        clearSelection();
}

void ListBoxView::RemoveAllLines()
{
    m_lines.removeRows(0, m_lines.rowCount());
}

QString ListBoxView::LineText(int position) const
{
    return m_lines.item(position)->data(kLineRole).toString();
}

void ListBoxView::SetLineData(int position, int data)
{
    m_lines.item(position)->setData(data, kDataRole);
}

int ListBoxView::LineData(int position) const
{
    return m_lines.item(position)->data(kDataRole).toInt();
}

void ListBoxView::SetColumns(const QStringList& headers)
{
    m_lines.setColumnCount(int(headers.size()));
    m_lines.setHorizontalHeaderLabels(headers);
    horizontalHeader()->show();
    for (int column = 0; column + 1 < headers.size(); ++column)
        horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

void ListBoxView::SetCell(int position, int column, const QString& text, std::optional<int> sortNumber)
{
    QStandardItem* cell = m_lines.item(position, column);
    if (!cell) {
        cell = new QStandardItem;
        m_lines.setItem(position, column, cell);
    }
    cell->setText(text);
    cell->setData(sortNumber ? QVariant(*sortNumber) : QVariant(), kNumberRole);
}

int ListBoxView::SelectedLine() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : m_order.mapToSource(rows.front()).row();
}

void ListBoxView::SelectLine(int position)
{
    if (position < 0 || position >= m_lines.rowCount()) {
        clearSelection();
        return;
    }
    const QModelIndex shown = m_order.mapFromSource(m_lines.index(position, 0));
    selectionModel()->setCurrentIndex(shown, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(shown);
}
