// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCollator>
#include <QString>
#include <functional>

// The order of a sorted list box or tree: the collation of the user's locale
// (the default QLocale) with letter case ignored, as the desktop sorts a
// list. So accented letters sort among or after their base letters as the
// language has it, not after Z by their code.
QCollator SortCollator();

// Where a text goes among count texts kept in the collator's order: after
// every text equal to it.
int PositionAfterEqual(const QCollator& collator, int count, const QString& text,
                       const std::function<QString(int)>& textAt);
