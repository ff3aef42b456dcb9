#pragma once

#include "platform/TreeTypes.h"

#include <QCollator>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <map>
#include <utility>
#include <vector>

class QTreeWidget;

constexpr unsigned TVIF_TEXT = 0x1;
constexpr unsigned TVIF_IMAGE = 0x2;
constexpr unsigned TVIF_PARAM = 0x4;
constexpr unsigned TVIF_SELECTEDIMAGE = 0x20;

// Where an item goes among its siblings: at the end, or in alphabetical order.
inline const HTREEITEM TVI_ROOT = nullptr;
inline const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(static_cast<quintptr>(0xFFFF0002));
inline const HTREEITEM TVI_SORT = reinterpret_cast<HTREEITEM>(static_cast<quintptr>(0xFFFF0003));

struct TVITEM {
    unsigned mask = 0;
    HTREEITEM hItem = nullptr;
    QString pszText;
    int iImage = 0;
    int iSelectedImage = 0;
    long long lParam = 0;
};

struct TVINSERTSTRUCT {
    HTREEITEM hParent = TVI_ROOT;
    HTREEITEM hInsertAfter = TVI_LAST;
    TVITEM item;
};

// The tree control of a dialog: items with a text, an image, an image shown
// while selected, and item data.
class CTreeCtrl {
public:
    void Attach(QWidget* control);
    // The pictures shown beside the items, addressed by position, each drawn
    // at the given size.
    void SetImages(const std::vector<QIcon>& images, QSize size);

    HTREEITEM InsertItem(const TVINSERTSTRUCT& insert);
    bool DeleteAllItems();
    int GetCount() const;
    QString GetItemText(HTREEITEM item) const;
    long long GetItemData(HTREEITEM item) const;
    bool GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
    HTREEITEM GetRootItem() const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;

private:
    QIcon ItemIcon(int image, int selectedImage);
    int SortedPosition(HTREEITEM parent, const QString& text) const;
    int ChildCount(HTREEITEM parent) const;
    HTREEITEM Child(HTREEITEM parent, int position) const;

    QTreeWidget* m_control = nullptr;
    std::vector<QPixmap> m_images;
    std::map<std::pair<int, int>, QIcon> m_icons;
    QCollator m_collator;  // the sorted insertion's order, see SortCollation.h
};
