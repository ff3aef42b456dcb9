// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SortCollation.h"

#include <QLocale>
#include <algorithm>
#include <ranges>

QCollator SortCollator()
{
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

int PositionAfterEqual(const QCollator& collator, int count, const QString& text,
                       const std::function<QString(int)>& textAt)
{
    const auto goesBefore = [&](int at) { return collator.compare(textAt(at), text) <= 0; };
    return *std::ranges::partition_point(std::views::iota(0, count), goesBefore);
}
