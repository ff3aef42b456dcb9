// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PilotListContent.h"

#include "roster/PilotRecord.h"
#include "text/SortCollation.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

bool HasTeams(std::span<const PilotRecord> pilots)
{
    return std::any_of(pilots.begin(), pilots.end(), [](const PilotRecord& pilot) { return !pilot.team.isEmpty(); });
}

} // namespace

QStringList PilotListTitles(std::span<const PilotRecord> pilots)
{
    QStringList titles{QCoreApplication::translate("Printout", "No."), QCoreApplication::translate("Printout", "Last name"),
                       QCoreApplication::translate("Printout", "First name"), QCoreApplication::translate("Printout", "Channel")};
    if (HasTeams(pilots))
        titles << QCoreApplication::translate("Printout", "Team");
    return titles << QCoreApplication::translate("Printout", "Present");
}

std::vector<QStringList> PilotListRows(std::span<const PilotRecord> pilots)
{
    std::vector<PilotRecord> sorted(pilots.begin(), pilots.end());
    const QCollator collator = SortCollator();
    std::stable_sort(sorted.begin(), sorted.end(), [&collator](const PilotRecord& a, const PilotRecord& b) {
        if (const int last = collator.compare(a.lastName, b.lastName); last != 0)
            return last < 0;
        return collator.compare(a.firstName, b.firstName) < 0;
    });
    const bool withTeams = HasTeams(pilots);
    std::vector<QStringList> rows;
    for (const PilotRecord& pilot : sorted) {
        QStringList row{QString::number(rows.size() + 1), pilot.lastName, pilot.firstName, QString::number(pilot.frequency)};
        if (withTeams)
            row << pilot.team;
        rows.push_back(row << QString());
    }
    return rows;
}

QString PilotCountText(int count)
{
    return QCoreApplication::translate("Printout", "Pilots: %1").arg(count);
}
