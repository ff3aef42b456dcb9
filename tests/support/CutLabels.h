// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QLabel>
#include <QStringList>

// The labels of a window whose text does not fit the label's rectangle.
inline QStringList CutLabels(const QDialog* window)
{
    QStringList cut;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        const QString text = QString(label->text()).remove(u'&');
        if (text.isEmpty())
            continue;
        const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                            : label->fontMetrics().horizontalAdvance(text) <= label->width();
        if (!fits)
            cut << text;
    }
    return cut;
}
