// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/Strings.h"

#include "res/ResourceIds.h"

#include <QCoreApplication>

// The string table holds the source texts; each is shown as the installed
// translators give it.
QString LoadResourceString(int id)
{
    if (id == IDS_ABOUTBOX)
        return QCoreApplication::translate("Strings", "&O Kvoraxu...");
    return QString();
}
