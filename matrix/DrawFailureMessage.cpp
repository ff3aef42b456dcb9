#include "matrix/DrawFailureMessage.h"

#include "matrix/Matrix.h"

#include <map>

namespace {

struct BusiestChannel {
    int channel = 0;
    int pilots = 0;
};

// The channel that most pilots share; the lowest such channel on a tie.
BusiestChannel FindBusiestChannel(std::span<const PilotRecord> roster)
{
    std::map<int, int> pilotsOnChannel;
    for (const PilotRecord& pilot : roster)
        ++pilotsOnChannel[pilot.frequency];
    BusiestChannel busiest;
    for (const auto& [channel, pilots] : pilotsOnChannel)
        if (pilots > busiest.pilots)
            busiest = {channel, pilots};
    return busiest;
}

QString Counted(int count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

QString TooFewPlaces(int pilots, const MatrixShape& shape)
{
    return QStringLiteral("%1 cannot all fly in one round of %2 with %3 each: a round has only %4. "
                          "Use more heats or more pilots per heat.")
        .arg(Counted(pilots, "pilot", "pilots"), Counted(shape.heats, "heat", "heats"),
             Counted(shape.pilotsPerHeat, "pilot", "pilots"), Counted(shape.PlacesPerRound(), "place", "places"));
}

// A heat takes one pilot per channel, so the busiest channel needs at least
// as many heats as it has pilots.
QString RemedyForChannel(const BusiestChannel& busiest, const MatrixShape& shape)
{
    if (busiest.pilots <= shape.heats)
        return QStringLiteral("Use fewer pilots per heat.");
    if (busiest.pilots <= kMaxHeats)
        return QStringLiteral("Use at least %1 and fewer pilots per heat.")
            .arg(Counted(busiest.pilots, "heat", "heats"));
    return QStringLiteral("A round has at most %1, so move some of these pilots to other channels.")
        .arg(Counted(kMaxHeats, "heat", "heats"));
}

QString ChannelOverloaded(const BusiestChannel& busiest, int pilots, int filledHeats, const MatrixShape& shape)
{
    return QStringLiteral("%1 fly on channel %2, but the %3 of a round fill only %4 of %5 each, "
                          "and no heat may hold two pilots on one channel. %6")
        .arg(Counted(busiest.pilots, "pilot", "pilots"), QString::number(busiest.channel),
             Counted(pilots, "pilot", "pilots"), Counted(filledHeats, "heat", "heats"),
             Counted(shape.pilotsPerHeat, "pilot", "pilots"), RemedyForChannel(busiest, shape));
}

}  // namespace

QString DrawFailureMessage(std::span<const PilotRecord> roster, const MatrixShape& shape)
{
    const int pilots = static_cast<int>(roster.size());
    if (pilots > shape.PlacesPerRound())
        return TooFewPlaces(pilots, shape);
    // Each heat is filled up to its pilots before the next one starts.
    const int filledHeats = shape.pilotsPerHeat > 0 ? (pilots + shape.pilotsPerHeat - 1) / shape.pilotsPerHeat : 0;
    const BusiestChannel busiest = FindBusiestChannel(roster);
    if (busiest.pilots > filledHeats)
        return ChannelOverloaded(busiest, pilots, filledHeats, shape);
    return QStringLiteral("Cannot resolve frequency conflict. Rerun Matrix to reseed random number generator.");
}
