// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ListAndTree.h"

#include "platform/ListBoxView.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <algorithm>
#include <cassert>
#include <functional>
#include <ranges>

namespace {

// Where a text goes among count texts kept in the collator's order: after
// every text equal to it.
int PositionAfterEqual(const QCollator& collator, int count, const QString& text,
                       const std::function<QString(int)>& textAt)
{
    const auto goesBefore = [&](int at) { return collator.compare(textAt(at), text) <= 0; };
    return *std::ranges::partition_point(std::views::iota(0, count), goesBefore);
}

constexpr int kDataRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kSelectedImageRole = Qt::UserRole + 2;

}  // namespace

void CListBox::Attach(QWidget* control, bool sorted)
{
    m_control = dynamic_cast<ListBoxView*>(control);
    m_sorted = sorted;
    m_collator = SortCollator();
    assert(m_control);
}

int CListBox::AddString(const QString& text)
{
    const int position = m_sorted ? SortedPosition(text) : GetCount();
    m_control->InsertLine(position, text);
    return position;
}

int CListBox::DeleteString(int position)
{
    if (!IsValid(position))
        return LB_ERR;
    m_control->RemoveLine(position);
    return GetCount();
}

void CListBox::ResetContent()
{
    m_control->RemoveAllLines();
}

int CListBox::GetCount() const
{
    return m_control->LineCount();
}

QString CListBox::GetText(int position) const
{
    return IsValid(position) ? m_control->LineText(position) : QString();
}

int CListBox::GetCurSel() const
{
    const int selected = m_control->SelectedLine();
    return selected < 0 ? LB_ERR : selected;
}

int CListBox::SetCurSel(int position)
{
    m_control->SelectLine(position);
    return IsValid(position) ? position : LB_ERR;
}

int CListBox::SetItemData(int position, int data)
{
    if (!IsValid(position))
        return LB_ERR;
    m_control->SetLineData(position, data);
    return 0;
}

int CListBox::GetItemData(int position) const
{
    return IsValid(position) ? m_control->LineData(position) : LB_ERR;
}

void CListBox::SetColumns(const QStringList& headers)
{
    m_control->SetColumns(headers);
}

void CListBox::SetCell(int position, int column, const QString& text, std::optional<int> sortNumber)
{
    if (IsValid(position))
        m_control->SetCell(position, column, text, sortNumber);
}

void CListBox::ShowColumn(int column, bool shown)
{
    m_control->setColumnHidden(column, !shown);
}

bool CListBox::IsValid(int position) const
{
    return position >= 0 && position < GetCount();
}

int CListBox::SortedPosition(const QString& text) const
{
    const auto textAt = [this](int line) { return m_control->LineText(line); };
    return PositionAfterEqual(m_collator, GetCount(), text, textAt);
}

void CTreeCtrl::Attach(QWidget* control)
{
    m_control = dynamic_cast<QTreeWidget*>(control);
    assert(m_control);
    m_collator = SortCollator();
}

void CTreeCtrl::SetImages(const std::vector<QIcon>& images, QSize size)
{
    m_images.clear();
    for (const QIcon& image : images)
        m_images.push_back(image.pixmap(size));
    m_control->setIconSize(size);
}

QTreeWidgetItem* CTreeCtrl::InsertSorted(QTreeWidgetItem* parent, const TreeNode& node)
{
    auto* item = new QTreeWidgetItem;
    item->setText(0, node.text);
    item->setData(0, kDataRole, node.data);
    item->setData(0, kImageRole, node.image);
    item->setData(0, kSelectedImageRole, node.selectedImage);
    if (!m_images.empty())
        item->setIcon(0, ItemIcon(node.image, node.selectedImage));
    QTreeWidgetItem* under = ParentOrRoot(parent);
    under->insertChild(SortedPosition(under, node.text), item);
    return item;
}

void CTreeCtrl::DeleteAllItems()
{
    m_control->clear();
}

// Counted from the control itself: the dialog binds the control again on
// every exchange into it, and the items must not be forgotten then.
int CTreeCtrl::GetCount() const
{
    int count = 0;
    for (QTreeWidgetItemIterator item(m_control); *item; ++item)
        ++count;
    return count;
}

std::vector<QTreeWidgetItem*> CTreeCtrl::Children(QTreeWidgetItem* parent) const
{
    QTreeWidgetItem* under = ParentOrRoot(parent);
    std::vector<QTreeWidgetItem*> children;
    for (int position = 0; position < under->childCount(); ++position)
        children.push_back(under->child(position));
    return children;
}

TreeNode CTreeCtrl::NodeOf(const QTreeWidgetItem* item)
{
    return {item->text(0), item->data(0, kImageRole).toInt(), item->data(0, kSelectedImageRole).toInt(),
            item->data(0, kDataRole).toLongLong()};
}

// The tree shows the normal image, and the selected image while the item is
// selected; one icon carries both.
QIcon CTreeCtrl::ItemIcon(int image, int selectedImage) const
{
    const auto imageAt = [this](int position) {
        return position >= 0 && position < static_cast<int>(m_images.size()) ? m_images[position] : QPixmap();
    };
    QIcon icon;
    icon.addPixmap(imageAt(image), QIcon::Normal);
    icon.addPixmap(imageAt(selectedImage), QIcon::Selected);
    return icon;
}

int CTreeCtrl::SortedPosition(QTreeWidgetItem* parent, const QString& text) const
{
    const auto textAt = [parent](int position) { return parent->child(position)->text(0); };
    return PositionAfterEqual(m_collator, parent->childCount(), text, textAt);
}

// The root nodes are the children of the tree's invisible root item.
QTreeWidgetItem* CTreeCtrl::ParentOrRoot(QTreeWidgetItem* parent) const
{
    return parent ? parent : m_control->invisibleRootItem();
}
