#include "platform/ListBoxWidget.h"

#include "platform/SortCollation.h"

ListBoxWidget::ListBoxWidget(bool sorted, QWidget* parent)
    : QListWidget(parent)
    , m_sorted(sorted)
    , m_collator(SortCollator())
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

int ListBoxWidget::AddLine(const QString& text)
{
    const int position = m_sorted ? SortedPosition(text) : count();
    insertItem(position, text);
    return position;
}

int ListBoxWidget::SortedPosition(const QString& text) const
{
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (m_collator.compare(item(middle)->text(), text) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}
