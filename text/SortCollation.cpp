// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/SortCollation.h"

#include <QLocale>

QCollator SortCollator()
{
    const QLocale desktop;
    QCollator collator{desktop.language() == QLocale::C ? QLocale(QLocale::English) : desktop};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}
