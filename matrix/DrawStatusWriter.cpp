#include "matrix/DrawStatusWriter.h"

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
    Show({Kind::Clearing}, [] { return QStringLiteral("Clearing data..."); });
}

void DrawStatusWriter::BuildingPilotList()
{
    Show({Kind::Building}, [] { return QStringLiteral("Building Pilots' list..."); });
}

void DrawStatusWriter::WorkingOn(int round, int heat)
{
    Show({Kind::Working, round, heat}, [=] { return QString::asprintf("Working Round %d, Heat %d", round, heat); });
}

void DrawStatusWriter::FrequencyConflict(int round, int heat, int channel)
{
    Show({Kind::Conflict, round, heat, channel}, [=] {
        return QString::asprintf("Freq conflict Round %d, Heat %d, channel %d. Retrying...", round, heat, channel);
    });
}

void DrawStatusWriter::AttemptCompleted()
{
    Show({Kind::Completed}, [] { return QString(); });
}
