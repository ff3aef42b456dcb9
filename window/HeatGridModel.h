// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contest/Contest.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <functional>

// The schedule as a grid for Qt's views: a column per heat, and per round a
// block of rows, one per seat, so each cell is one pilot of one heat (with
// channel and team) or a free seat; uneven heats show as free seats at a column's
// foot. Dragging a pilot onto another pilot of the round swaps the two,
// onto a free seat of another heat moves the pilot there; both go through
// the contest day's operations, and a refused drop changes nothing and
// keeps its reason for the window to show.
class HeatGridModel : public QAbstractTableModel {
    Q_DECLARE_TR_FUNCTIONS(HeatGridModel)

public:
    using Changed = std::function<void(const Contest&)>;
    using Refused = std::function<void(const QString&)>;

    explicit HeatGridModel(QObject* parent = nullptr);

    void SetContest(const Contest& contest);
    const Contest& GetContest() const { return m_contest; }
    // Called with the changed contest after each accepted drop.
    void OnChanged(Changed changed) { m_changed = std::move(changed); }
    // Called with the reason after each refused drop.
    void OnRefused(Refused refused) { m_refused = std::move(refused); }
    const QString& LastRefusal() const { return m_lastRefusal; }
    int SeatRows() const { return m_seatRows; }
    QModelIndex SeatIndex(int round, int heat, int seat) const { return index(round * m_seatRows + seat, heat); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    int PilotAt(const QModelIndex& index) const;
    bool Refuse(const QString& reason);

    Contest m_contest;
    int m_seatRows = 1;
    QString m_lastRefusal;
    Changed m_changed;
    Refused m_refused;
};
