#include "platform/ListBoxWidget.h"

ListBoxWidget::ListBoxWidget(bool sorted, QWidget* parent)
    : QListWidget(parent)
    , m_sorted(sorted)
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
        if (QString::compare(item(middle)->text(), text, Qt::CaseInsensitive) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}
