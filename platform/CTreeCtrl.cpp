#include "platform/CTreeCtrl.h"

#include "platform/SortCollation.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <cassert>

namespace {

constexpr int kDataRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kSelectedImageRole = Qt::UserRole + 2;

}  // namespace

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
    m_icons.clear();
    m_control->setIconSize(size);
}

HTREEITEM CTreeCtrl::InsertItem(const TVINSERTSTRUCT& insert)
{
    const TVITEM& fields = insert.item;
    auto* item = new QTreeWidgetItem;
    if (fields.mask & TVIF_TEXT)
        item->setText(0, fields.pszText);
    if (fields.mask & TVIF_PARAM)
        item->setData(0, kDataRole, fields.lParam);
    const int image = (fields.mask & TVIF_IMAGE) ? fields.iImage : 0;
    const int selectedImage = (fields.mask & TVIF_SELECTEDIMAGE) ? fields.iSelectedImage : image;
    item->setData(0, kImageRole, image);
    item->setData(0, kSelectedImageRole, selectedImage);
    if (!m_images.empty())
        item->setIcon(0, ItemIcon(image, selectedImage));

    const HTREEITEM parent = insert.hParent;
    const int position = insert.hInsertAfter == TVI_SORT ? SortedPosition(parent, item->text(0)) : ChildCount(parent);
    if (parent)
        parent->insertChild(position, item);
    else
        m_control->insertTopLevelItem(position, item);
    return item;
}

bool CTreeCtrl::DeleteAllItems()
{
    m_control->clear();
    return true;
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

QString CTreeCtrl::GetItemText(HTREEITEM item) const
{
    return item ? item->text(0) : QString();
}

long long CTreeCtrl::GetItemData(HTREEITEM item) const
{
    return item ? item->data(0, kDataRole).toLongLong() : 0;
}

bool CTreeCtrl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const
{
    if (!item)
        return false;
    image = item->data(0, kImageRole).toInt();
    selectedImage = item->data(0, kSelectedImageRole).toInt();
    return true;
}

HTREEITEM CTreeCtrl::GetRootItem() const
{
    return Child(TVI_ROOT, 0);
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const
{
    return item ? Child(item, 0) : nullptr;
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM item) const
{
    if (!item)
        return nullptr;
    const HTREEITEM parent = item->parent();
    const int position = parent ? parent->indexOfChild(item) : m_control->indexOfTopLevelItem(item);
    return Child(parent, position + 1);
}

// The tree shows the normal image, and the selected image while the item is
// selected; one icon carries both.
QIcon CTreeCtrl::ItemIcon(int image, int selectedImage)
{
    auto found = m_icons.find({image, selectedImage});
    if (found != m_icons.end())
        return found->second;
    QIcon icon;
    const auto imageAt = [this](int position) {
        return position >= 0 && position < static_cast<int>(m_images.size()) ? m_images[position] : QPixmap();
    };
    icon.addPixmap(imageAt(image), QIcon::Normal);
    icon.addPixmap(imageAt(selectedImage), QIcon::Selected);
    m_icons.emplace(std::make_pair(image, selectedImage), icon);
    return icon;
}

int CTreeCtrl::SortedPosition(HTREEITEM parent, const QString& text) const
{
    int low = 0;
    int high = ChildCount(parent);
    while (low < high) {
        const int middle = (low + high) / 2;
        if (m_collator.compare(Child(parent, middle)->text(0), text) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

int CTreeCtrl::ChildCount(HTREEITEM parent) const
{
    return parent ? parent->childCount() : m_control->topLevelItemCount();
}

HTREEITEM CTreeCtrl::Child(HTREEITEM parent, int position) const
{
    if (position < 0 || position >= ChildCount(parent))
        return nullptr;
    return parent ? parent->child(position) : m_control->topLevelItem(position);
}
