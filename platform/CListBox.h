#pragma once

#include <QString>

class QListWidget;
class QWidget;

constexpr int LB_ERR = -1;

// The list box of a dialog, addressed by line position. A sorted list box
// keeps its lines in alphabetical order ignoring case; a line equal to others
// goes after them.
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
};
