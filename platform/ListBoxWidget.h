#pragma once

#include <QCollator>
#include <QListWidget>

// The list box control. With the sorted style it keeps its lines in
// the order of the user's locale ignoring case (SortCollation.h); a line
// equal to others goes after them.
class ListBoxWidget : public QListWidget {
public:
    ListBoxWidget(bool sorted, QWidget* parent);

    int AddLine(const QString& text);

private:
    int SortedPosition(const QString& text) const;

    bool m_sorted;
    QCollator m_collator;
};
