#include "platform/SortCollation.h"

#include <QLocale>

QCollator SortCollator()
{
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}
