#include "platform/CListBox.h"
#include "platform/CTreeCtrl.h"
#include "platform/ListBoxWidget.h"
#include "support/QtPrinters.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

TEST(ListBox, SortedListInsertsIgnoringCaseAndKeepsItemData)
{
    ListBoxWidget widget(true, nullptr);
    CListBox list;
    list.Attach(&widget);
    EXPECT_EQ(list.AddString(QStringLiteral("novak")), 0);
    EXPECT_EQ(list.AddString(QStringLiteral("Brown")), 0);
    list.SetItemData(0, 7);
    EXPECT_EQ(list.AddString(QStringLiteral("NOVAK")), 2);
    EXPECT_EQ(list.AddString(QStringLiteral("adam")), 0);
    EXPECT_EQ(list.GetText(1), QStringLiteral("Brown"));
    EXPECT_EQ(list.GetItemData(1), 7);
    EXPECT_EQ(list.GetCurSel(), LB_ERR);
    list.SetCurSel(2);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(list.DeleteString(2), 3);
    EXPECT_EQ(list.GetCurSel(), LB_ERR);
    EXPECT_EQ(list.DeleteString(9), LB_ERR);
    EXPECT_EQ(list.GetText(9), QString());
}

TEST(TreeCtrl, InsertsSortedWithImagesDataAndNavigation)
{
    QTreeWidget widget;
    CTreeCtrl tree;
    tree.Attach(&widget);
    tree.SetImages({QIcon(), QIcon(), QIcon()}, QSize(16, 16));

    TVINSERTSTRUCT insert;
    insert.hInsertAfter = TVI_SORT;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.iSelectedImage = 2;
    insert.item.pszText = QStringLiteral("novak");
    const HTREEITEM novak = tree.InsertItem(insert);
    insert.item.pszText = QStringLiteral("Brown");
    tree.InsertItem(insert);

    insert.hParent = novak;
    insert.item.iImage = 1;
    for (const char* heat : {"Round 02", "Round 10", "Round 01"}) {
        insert.item.pszText = QString::fromLatin1(heat);
        insert.item.lParam = heat[7] - '0';
        tree.InsertItem(insert);
    }

    EXPECT_EQ(tree.GetCount(), 5);
    EXPECT_EQ(tree.GetItemText(tree.GetRootItem()), QStringLiteral("Brown"));
    EXPECT_EQ(tree.GetNextSiblingItem(tree.GetRootItem()), novak);
    EXPECT_EQ(tree.GetNextSiblingItem(novak), nullptr);
    QStringList heats;
    for (HTREEITEM heat = tree.GetChildItem(novak); heat; heat = tree.GetNextSiblingItem(heat))
        heats << tree.GetItemText(heat);
    EXPECT_EQ(heats, (QStringList{QStringLiteral("Round 01"), QStringLiteral("Round 02"), QStringLiteral("Round 10")}));
    int image = -1;
    int selected = -1;
    ASSERT_TRUE(tree.GetItemImage(tree.GetChildItem(novak), image, selected));
    EXPECT_EQ(image, 1);
    EXPECT_EQ(selected, 2);
    EXPECT_EQ(tree.GetItemData(tree.GetChildItem(novak)), 1);

    // Every exchange into the dialog binds the control again; the items stay.
    tree.Attach(&widget);
    EXPECT_EQ(tree.GetCount(), 5);

    tree.DeleteAllItems();
    EXPECT_EQ(tree.GetCount(), 0);
    EXPECT_EQ(tree.GetRootItem(), nullptr);
}

namespace {

// Sets the user's locale for one test and restores it after.
class UserLocale {
public:
    explicit UserLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~UserLocale() { QLocale::setDefault(m_previous); }

private:
    QLocale m_previous;
};

const QStringList kShuffledNames = {"Žák", "sýkora", "Zeman", "Dvořák", "ŠEBESTOVÁ", "Čermák", "Cibulka"};

QStringList SortedByList()
{
    ListBoxWidget widget(true, nullptr);
    CListBox list;
    list.Attach(&widget);
    for (const QString& name : kShuffledNames)
        list.AddString(name);
    QStringList sorted;
    for (int line = 0; line < list.GetCount(); ++line)
        sorted << list.GetText(line);
    return sorted;
}

QStringList SortedByTree()
{
    QTreeWidget widget;
    CTreeCtrl tree;
    tree.Attach(&widget);
    TVINSERTSTRUCT insert;
    insert.hInsertAfter = TVI_SORT;
    insert.item.mask = TVIF_TEXT;
    for (const QString& name : kShuffledNames) {
        insert.item.pszText = name;
        tree.InsertItem(insert);
    }
    QStringList sorted;
    for (HTREEITEM item = tree.GetRootItem(); item; item = tree.GetNextSiblingItem(item))
        sorted << tree.GetItemText(item);
    return sorted;
}

}  // namespace

// The list and the tree sort as the user's language does, ignoring case: in
// Czech Č, Š and Ž are letters of their own after C, S and Z; in English they
// sort with their base letters.
TEST(ListAndTree, SortByTheCollationOfTheUsersLocale)
{
    {
        const UserLocale czech(QLocale(QLocale::Czech, QLocale::Czechia));
        const QStringList expected = {"Cibulka", "Čermák", "Dvořák", "sýkora", "ŠEBESTOVÁ", "Zeman", "Žák"};
        EXPECT_EQ(SortedByList(), expected);
        EXPECT_EQ(SortedByTree(), expected);
    }
    {
        const UserLocale english(QLocale(QLocale::English, QLocale::UnitedKingdom));
        const QStringList expected = {"Čermák", "Cibulka", "Dvořák", "ŠEBESTOVÁ", "sýkora", "Žák", "Zeman"};
        EXPECT_EQ(SortedByList(), expected);
        EXPECT_EQ(SortedByTree(), expected);
    }
}
