// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PilotListContent.h"

#include "roster/PilotRecord.h"

#include <QCoreApplication>
#include <algorithm>

QStringList PilotListTitles()
{
    return {QCoreApplication::translate("Printout", "No."), QCoreApplication::translate("Printout", "Last name"),
            QCoreApplication::translate("Printout", "First name"), QCoreApplication::translate("Printout", "Channel"),
            QCoreApplication::translate("Printout", "Present")};
}

std::vector<QStringList> PilotListRows(std::span<const PilotRecord> pilots)
{
    std::vector<PilotRecord> sorted(pilots.begin(), pilots.end());
    std::stable_sort(sorted.begin(), sorted.end(), [](const PilotRecord& a, const PilotRecord& b) {
        if (const int last = a.lastName.compare(b.lastName, Qt::CaseInsensitive); last != 0)
            return last < 0;
        return a.firstName.compare(b.firstName, Qt::CaseInsensitive) < 0;
    });
    std::vector<QStringList> rows;
    for (const PilotRecord& pilot : sorted)
        rows.push_back({QString::number(rows.size() + 1), pilot.lastName, pilot.firstName,
                        QString::number(pilot.frequency), QString()});
    return rows;
}

QString PilotCountText(int count)
{
    return QCoreApplication::translate("Printout", "Pilots: %1").arg(count);
}
