#pragma once

#include <QString>
#include <functional>

class QListWidget;
class QWidget;

constexpr int LB_ERR = -1;

// Where a text goes among count texts kept in alphabetical order ignoring
// case: after every text equal to it.
int PositionAfterEqual(int count, const QString& text, const std::function<QString(int)>& textAt);

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
