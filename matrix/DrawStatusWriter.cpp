// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/DrawStatusWriter.h"

#include <QCoreApplication>

template <typename Make>
void DrawStatusWriter::Show(Shown shown, Make make)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    m_writer(make());
}

void DrawStatusWriter::ClearingData()
{
    Show({Kind::Clearing}, [] { return QCoreApplication::translate("DrawStatusWriter", "Clearing data..."); });
}

void DrawStatusWriter::BuildingPilotList()
{
    Show({Kind::Building}, [] { return QCoreApplication::translate("DrawStatusWriter", "Building Pilots' list..."); });
}

void DrawStatusWriter::WorkingOn(int round, int heat)
{
    Show({Kind::Working, round, heat}, [=] {
        return QCoreApplication::translate("DrawStatusWriter", "Working Round %1, Heat %2").arg(round).arg(heat);
    });
}

void DrawStatusWriter::FrequencyConflict(int round, int heat, int channel)
{
    Show({Kind::Conflict, round, heat, channel}, [=] {
        return QCoreApplication::translate("DrawStatusWriter",
                                           "Freq conflict Round %1, Heat %2, channel %3. Retrying...")
            .arg(round)
            .arg(heat)
            .arg(channel);
    });
}

void DrawStatusWriter::AttemptCompleted()
{
    Show({Kind::Completed}, [] { return QString(); });
}
