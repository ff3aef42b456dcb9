#pragma once

#include <QString>

class ListBoxWidget;
class QWidget;

constexpr int LB_ERR = -1;

// The list box of a dialog, addressed by line position.
class CListBox {
public:
    void Attach(QWidget* control);

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

    ListBoxWidget* m_control = nullptr;
};
