// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCollator>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStringList>
#include <QTableView>
#include <optional>

// The widget of a list box: its lines, each with a text and a number of
// data, in the order the list box keeps them, shown as a table. A list box
// shows one column of its lines' texts until its owner names columns; then
// each line shows the cells its owner gives it, and a click on a column's
// header sorts the view by that column without changing the lines' order.
// Lines are addressed by that order, whatever the view shows.
class ListBoxView : public QTableView {
    Q_OBJECT

public:
    explicit ListBoxView(QWidget* parent = nullptr);

    int LineCount() const { return m_lines.rowCount(); }
    void InsertLine(int position, const QString& text);
    void RemoveLine(int position);
    void RemoveAllLines();
    QString LineText(int position) const;
    void SetLineData(int position, int data);
    int LineData(int position) const;

    // Shows the header with these columns; the lines' cells start empty.
    void SetColumns(const QStringList& headers);
    // A cell's text, and the number it sorts by where it is one (a channel).
    void SetCell(int position, int column, const QString& text, std::optional<int> sortNumber = std::nullopt);

    // The line highlighted and selected, -1 for none.
    int SelectedLine() const;
    void SelectLine(int position);

private:
    // The view's order under a header click: numbers by value, texts in the
    // desktop's collation; equal cells keep the lines' order.
    class ColumnOrder : public QSortFilterProxyModel {
    public:
        explicit ColumnOrder(QObject* parent);

    protected:
        bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

    private:
        QCollator m_collator;
    };

    QStandardItemModel m_lines;
    ColumnOrder m_order;
};
