// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCollator>
#include <QString>

class QListWidget;
class QWidget;

constexpr int LB_ERR = -1;

// The list box of a dialog, addressed by line position. A sorted list box
// keeps its lines in the order of the user's locale ignoring case
// (SortCollation.h); a line equal to others goes after them.
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

private:
    bool IsValid(int position) const;
    int SortedPosition(const QString& text) const;

    QListWidget* m_control = nullptr;
    bool m_sorted = false;
    QCollator m_collator;
};
