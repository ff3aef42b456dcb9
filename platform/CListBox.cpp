// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CListBox.h"

#include "platform/SortCollation.h"

#include <QListWidget>
#include <cassert>

void CListBox::Attach(QWidget* control, bool sorted)
{
    m_control = dynamic_cast<QListWidget*>(control);
    m_sorted = sorted;
    m_collator = SortCollator();
    assert(m_control);
}

int CListBox::AddString(const QString& text)
{
    const int position = m_sorted ? SortedPosition(text) : GetCount();
    m_control->insertItem(position, text);
    return position;
}

int CListBox::DeleteString(int position)
{
    if (!IsValid(position))
        return LB_ERR;
    // Removing the selected line leaves no line selected.
    const bool wasSelected = m_control->item(position)->isSelected();
    delete m_control->takeItem(position);
    if (wasSelected)
        m_control->clearSelection();
    return GetCount();
}

void CListBox::ResetContent()
{
    m_control->clear();
}

int CListBox::GetCount() const
{
    return m_control->count();
}

QString CListBox::GetText(int position) const
{
    return IsValid(position) ? m_control->item(position)->text() : QString();
}

int CListBox::GetCurSel() const
{
    const QList<QListWidgetItem*> selected = m_control->selectedItems();
    return selected.isEmpty() ? LB_ERR : m_control->row(selected.first());
}

int CListBox::SetCurSel(int position)
{
    if (!IsValid(position)) {
        m_control->clearSelection();
        return LB_ERR;
    }
    m_control->setCurrentRow(position, QItemSelectionModel::ClearAndSelect);
    return position;
}

int CListBox::SetItemData(int position, int data)
{
    if (!IsValid(position))
        return LB_ERR;
    m_control->item(position)->setData(Qt::UserRole, data);
    return 0;
}

int CListBox::GetItemData(int position) const
{
    return IsValid(position) ? m_control->item(position)->data(Qt::UserRole).toInt() : LB_ERR;
}

bool CListBox::IsValid(int position) const
{
    return position >= 0 && position < m_control->count();
}

int CListBox::SortedPosition(const QString& text) const
{
    const auto textAt = [this](int line) { return m_control->item(line)->text(); };
    return PositionAfterEqual(m_collator, GetCount(), text, textAt);
}
