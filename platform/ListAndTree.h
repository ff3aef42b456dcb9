// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/SortCollation.h"

#include <QCollator>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class ListBoxView;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

constexpr int LB_ERR = -1;

// The two controls that keep their lines sorted. The order is the collation
// of the user's locale (the default QLocale) with letter case ignored, as
// the desktop sorts a list: accented letters sort among or after their base
// letters as the language has it, not after Z by their code. A line equal
// to others goes after them.

// The list box of a dialog, addressed by line position. A sorted list box
// keeps its lines in the sorted order above.
class CListBox {
public:
    void Attach(QWidget* control, bool sorted);

    int AddString(const QString& text);
    int DeleteString(int position);
    void ResetContent();
    int GetCount() const;
    QString GetText(int position) const;
    int GetCurSel() const;
    int SetCurSel(int position);
    int SetItemData(int position, int data);
    int GetItemData(int position) const;

    // The columns the lines are shown in, and one line's cell; until columns
    // are named each line shows its text.
    void SetColumns(const QStringList& headers);
    void SetCell(int position, int column, const QString& text, std::optional<int> sortNumber = std::nullopt);
    void ShowColumn(int column, bool shown);

private:
    bool IsValid(int position) const;
    int SortedPosition(const QString& text) const;

    ListBoxView* m_control = nullptr;
    bool m_sorted = false;
    QCollator m_collator;
};

// One node of a tree control: its text, its picture, the picture shown while
// it is selected (both by position among the tree's pictures) and its data.
struct TreeNode {
    QString text;
    int image = 0;
    int selectedImage = 0;
    long long data = 0;
};

// The tree control of a dialog. Nodes go in among their siblings in the
// sorted order above.
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
    QCollator m_collator;
};
