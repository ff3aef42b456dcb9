// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCollator>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

// One node of a tree control: its text, its picture, the picture shown while
// it is selected (both by position among the tree's pictures) and its data.
struct TreeNode {
    QString text;
    int image = 0;
    int selectedImage = 0;
    long long data = 0;
};

// The tree control of a dialog. Nodes go in among their siblings in the
// order of the user's locale ignoring case (SortCollation.h); a node equal to
// others goes after them.
class CTreeCtrl {
public:
    void Attach(QWidget* control);
    // The pictures shown beside the nodes, each drawn at the given size.
    void SetImages(const std::vector<QIcon>& images, QSize size);

    // Under the parent node, or at the root for none.
    QTreeWidgetItem* InsertSorted(QTreeWidgetItem* parent, const TreeNode& node);
    void DeleteAllItems();
    int GetCount() const;
    // What the tree shows: the nodes under a parent (the root's for none), in order.
    std::vector<QTreeWidgetItem*> Children(QTreeWidgetItem* parent) const;
    static TreeNode NodeOf(const QTreeWidgetItem* item);

private:
    QIcon ItemIcon(int image, int selectedImage) const;
    int SortedPosition(QTreeWidgetItem* parent, const QString& text) const;
    QTreeWidgetItem* ParentOrRoot(QTreeWidgetItem* parent) const;

    QTreeWidget* m_control = nullptr;
    std::vector<QPixmap> m_images;
    QCollator m_collator;  // the sorted insertion's order, see SortCollation.h
};
