// SPDX-License-Identifier: GPL-3.0-or-later
#include "roster/DuplicateLine.h"

bool IsSameLineIgnoringCase(const QString& left, const QString& right)
{
    return QString::compare(left, right, Qt::CaseInsensitive) == 0;
}
