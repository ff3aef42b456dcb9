// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PageHeading.h"

#include <QCoreApplication>

QString PageHeaderText(const PageHeading& heading, const QString& title)
{
    const QString name = heading.contestName.trimmed();
    if (name.isEmpty())
        return title;
    QString header = name;
    // The date as pilots of every country read it.
    if (heading.date.isValid())
        header += QStringLiteral(", ") + heading.date.toString(Qt::ISODate);
    return header + QStringLiteral(" \u2013 ") + title;
}

QString PageFooterText(int page, int pages)
{
    return QCoreApplication::translate("Printout", "Page %1 of %2").arg(page).arg(pages);
}
