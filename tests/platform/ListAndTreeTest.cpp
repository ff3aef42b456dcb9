// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ListAndTree.h"
#include "platform/ListBoxView.h"

#include "support/QtPrinters.h"

#include <QLocale>
#include <QTreeWidget>
#include <gtest/gtest.h>

TEST(ListBox, SortedListInsertsIgnoringCaseAndKeepsItemData)
{
    ListBoxView widget;
    CListBox list;
    list.Attach(&widget, true);
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

TEST(TreeCtrl, InsertsSortedWithImagesAndData)
{
    QTreeWidget widget;
    CTreeCtrl tree;
    tree.Attach(&widget);
    tree.SetImages({QIcon(), QIcon(), QIcon()}, QSize(16, 16));

    QTreeWidgetItem* const novak = tree.InsertSorted(nullptr, {QStringLiteral("novak"), 0, 2, 0});
    tree.InsertSorted(nullptr, {QStringLiteral("Brown"), 0, 2, 0});
    tree.InsertSorted(nullptr, {QStringLiteral("NOVAK"), 0, 2, 7});
    for (const char* heat : {"Round 02", "Round 10", "Round 01"})
        tree.InsertSorted(novak, {QString::fromLatin1(heat), 1, 2, heat[7] - '0'});

    const auto texts = [&tree](QTreeWidgetItem* parent) {
        QStringList texts;
        for (QTreeWidgetItem* item : tree.Children(parent))
            texts << CTreeCtrl::NodeOf(item).text;
        return texts;
    };
    EXPECT_EQ(tree.GetCount(), 6);
    // A node equal to others ignoring case goes after them.
    EXPECT_EQ(texts(nullptr), (QStringList{QStringLiteral("Brown"), QStringLiteral("novak"), QStringLiteral("NOVAK")}));
    EXPECT_EQ(texts(novak), (QStringList{QStringLiteral("Round 01"), QStringLiteral("Round 02"), QStringLiteral("Round 10")}));
    const TreeNode first = CTreeCtrl::NodeOf(tree.Children(novak).front());
    EXPECT_EQ(first.image, 1);
    EXPECT_EQ(first.selectedImage, 2);
    EXPECT_EQ(first.data, 1);
    EXPECT_EQ(CTreeCtrl::NodeOf(tree.Children(nullptr).back()).data, 7);

    // Every exchange into the dialog binds the control again; the items stay.
    tree.Attach(&widget);
    EXPECT_EQ(tree.GetCount(), 6);

    tree.DeleteAllItems();
    EXPECT_EQ(tree.GetCount(), 0);
    EXPECT_TRUE(tree.Children(nullptr).empty());
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
    ListBoxView widget;
    CListBox list;
    list.Attach(&widget, true);
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
    for (const QString& name : kShuffledNames)
        tree.InsertSorted(nullptr, {name, 0, 0, 0});
    QStringList sorted;
    for (QTreeWidgetItem* item : tree.Children(nullptr))
        sorted << CTreeCtrl::NodeOf(item).text;
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

// A fresh machine runs in the C locale, which names no language: the list
// then sorts as the Unicode root collation does, accented letters beside
// their base letters, not after every plain one.
TEST(ListBox, SortsByTheRootCollationInTheCLocale)
{
    const QLocale desktop;
    QLocale::setDefault(QLocale::c());
    ListBoxView widget;
    CListBox list;
    list.Attach(&widget, true);
    QLocale::setDefault(desktop);
    for (const char* name : {"Zeman", "Horák", "Čermák", "Hájek", "Cyrus"})
        list.AddString(QString::fromUtf8(name));
    QStringList shown;
    for (int line = 0; line < list.GetCount(); ++line)
        shown << list.GetText(line);
    EXPECT_EQ(shown, (QStringList{"Čermák", "Cyrus", "Hájek", "Horák", "Zeman"}));
}
