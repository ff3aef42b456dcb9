// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/HeatGridModel.h"

#include "contest/ContestDay.h"
#include "contest/ScheduleSeats.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <algorithm>

namespace {

const QString kSeatMime = QStringLiteral("application/x-kvorax-seat");

}  // namespace

HeatGridModel::HeatGridModel(QObject* parent) : QAbstractTableModel(parent) {}

// Every round gets as many seat rows as its fullest heat or the pilots per
// heat field, whichever is more, so a heat with room shows a free seat to
// drop on.
void HeatGridModel::SetContest(const Contest& contest)
{
    beginResetModel();
    m_contest = contest;
    m_seatRows = HeatCapacity(contest);
    const CalculationResult& result = contest.result;
    for (int round = 0; round < result.rounds; ++round)
        for (int heat = 0; heat < result.heats; ++heat)
            m_seatRows = std::max(m_seatRows, SeatedInHeat(result.matrix, round, heat));
    endResetModel();
}

int HeatGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_contest.result.completed ? 0 : m_contest.result.rounds * m_seatRows;
}

int HeatGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_contest.result.completed ? 0 : m_contest.result.heats;
}

int HeatGridModel::PilotAt(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return kEmptySlot;
    return m_contest.result.matrix.At(index.row() / m_seatRows, index.column(), index.row() % m_seatRows);
}

QVariant HeatGridModel::data(const QModelIndex& index, int role) const
{
    const int pilot = PilotAt(index);
    if (pilot == kEmptySlot || pilot >= int(m_contest.result.pilots.size()))
        return {};
    const PilotRecord& record = m_contest.result.pilots[size_t(pilot)];
    if (role == Qt::DisplayRole)
        return record.team.isEmpty() ? QStringLiteral("[%1] %2").arg(record.frequency).arg(PersonNamed(record))
                                     : QStringLiteral("[%1] %2 (%3)").arg(record.frequency).arg(PersonNamed(record), record.team);
    if (role == Qt::UserRole)
        return pilot;
    return {};
}

QVariant HeatGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return tr("Heat %1").arg(section + 1);
    return section % m_seatRows == 0 ? tr("Kolo %1").arg(section / m_seatRows + 1) : QString();
}

Qt::ItemFlags HeatGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags seat = Qt::ItemIsEnabled | Qt::ItemIsDropEnabled;
    return PilotAt(index) == kEmptySlot ? seat : seat | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList HeatGridModel::mimeTypes() const
{
    return {kSeatMime};
}

// The seat dragged from: its round, and the pilot in it.
QMimeData* HeatGridModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.size() != 1 || PilotAt(indexes.front()) == kEmptySlot)
        return nullptr;
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << qint32(indexes.front().row() / m_seatRows) << qint32(PilotAt(indexes.front()));
    auto* data = new QMimeData;
    data->setData(kSeatMime, bytes);
    return data;
}

bool HeatGridModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                 const QModelIndex& parent)
{
    const QModelIndex target = row >= 0 && column >= 0 ? index(row, column) : parent;
    if (action != Qt::MoveAction || !data || !data->hasFormat(kSeatMime) || !target.isValid())
        return false;
    qint32 round = -1;
    qint32 pilot = -1;
    QDataStream stream(data->data(kSeatMime));
    stream >> round >> pilot;
    if (target.row() / m_seatRows != round)
        return Refuse(tr("Pilot mění heat jen v rámci svého kola."));
    const int other = PilotAt(target);
    const ContestDayChange change = other == kEmptySlot ? MovePilot(m_contest, round, pilot, target.column())
                                                        : SwapPilots(m_contest, round, pilot, other);
    if (!change.contest)
        return Refuse(change.reason);
    m_lastRefusal.clear();
    SetContest(*change.contest);
    if (m_changed)
        m_changed(m_contest);
    return true;
}

bool HeatGridModel::Refuse(const QString& reason)
{
    m_lastRefusal = reason;
    if (m_refused)
        m_refused(reason);
    return false;
}
