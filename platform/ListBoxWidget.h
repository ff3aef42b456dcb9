#pragma once

#include <QListWidget>

// The list box control. With the sorted style it keeps its lines in
// alphabetical order ignoring case; a line equal to others goes after them.
class ListBoxWidget : public QListWidget {
public:
    ListBoxWidget(bool sorted, QWidget* parent);

    int AddLine(const QString& text);

private:
    int SortedPosition(const QString& text) const;

    bool m_sorted;
};
