#include "roster/RosterFile.h"

#include "roster/RosterLine.h"

#include <QCoreApplication>

QString RosterFileText(std::span<const PilotRecord> pilots)
{
    QString text;
    for (const PilotRecord& pilot : pilots)
        text += FormatRosterLine(pilot) + QLatin1Char('\n');
    return text;
}

RosterFileLines SelectPilotLines(const QStringList& fileLines)
{
    RosterFileLines selected;
    for (const QString& line : fileLines) {
        if (line.isEmpty())
            continue;
        if (selected.pilotLines.size() < kRosterCapacity)
            selected.pilotLines << line;
        else
            ++selected.leftOut;
    }
    return selected;
}

QString LeftOutLinesMessage(const QString& path, int imported, int leftOut)
{
    const QString lines = leftOut == 1 ? QCoreApplication::translate("RosterFile", "1 line was")
                                       : QCoreApplication::translate("RosterFile", "%n lines were", nullptr, leftOut);
    return QCoreApplication::translate("RosterFile", "%1 pilots were imported from \"%2\". The pilot list holds at "
                                                     "most %3 pilots, so %4 left out.")
        .arg(QString::number(imported), path, QString::number(kRosterCapacity), lines);
}
