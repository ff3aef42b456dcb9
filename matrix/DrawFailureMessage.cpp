// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/DrawFailureMessage.h"

#include "matrix/Matrix.h"

#include <QCoreApplication>
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

struct BiggestTeam {
    QString team;
    int pilots = 0;
};

// The team with the most pilots; the first in name order on a tie.
BiggestTeam FindBiggestTeam(std::span<const PilotRecord> roster)
{
    std::map<QString, int> pilotsOfTeam;
    for (const PilotRecord& pilot : roster)
        if (!pilot.team.isEmpty())
            ++pilotsOfTeam[pilot.team];
    BiggestTeam biggest;
    for (const auto& [team, pilots] : pilotsOfTeam)
        if (pilots > biggest.pilots)
            biggest = {team, pilots};
    return biggest;
}

// Counted nouns: each translation gives its language's own plural forms.
QString Pilots(int count)
{
    return count == 1 ? QCoreApplication::translate("DrawFailureMessage", "%n pilot", nullptr, count)
                      : QCoreApplication::translate("DrawFailureMessage", "%n pilots", nullptr, count);
}

QString Heats(int count)
{
    return count == 1 ? QCoreApplication::translate("DrawFailureMessage", "%n heat", nullptr, count)
                      : QCoreApplication::translate("DrawFailureMessage", "%n heats", nullptr, count);
}

QString Places(int count)
{
    return count == 1 ? QCoreApplication::translate("DrawFailureMessage", "%n place", nullptr, count)
                      : QCoreApplication::translate("DrawFailureMessage", "%n places", nullptr, count);
}

QString TooFewPlaces(int pilots, const MatrixShape& shape)
{
    return QCoreApplication::translate("DrawFailureMessage",
                                       "%1 cannot all fly in one round of %2 with %3 each: a round has only %4. "
                                       "Use more heats or more pilots per heat.")
        .arg(Pilots(pilots), Heats(shape.heats), Pilots(shape.pilotsPerHeat), Places(shape.PlacesPerRound()));
}

// A heat takes one pilot per channel, so the busiest channel needs at least
// as many heats as it has pilots.
QString RemedyForChannel(const BusiestChannel& busiest, const MatrixShape& shape)
{
    if (busiest.pilots <= shape.heats)
        return QCoreApplication::translate("DrawFailureMessage", "Use fewer pilots per heat.");
    if (busiest.pilots <= kMaxHeats)
        return QCoreApplication::translate("DrawFailureMessage", "Use at least %1 and fewer pilots per heat.")
            .arg(Heats(busiest.pilots));
    return QCoreApplication::translate("DrawFailureMessage",
                                       "A round has at most %1, so move some of these pilots to other channels.")
        .arg(Heats(kMaxHeats));
}

QString ChannelOverloaded(const BusiestChannel& busiest, int pilots, int filledHeats, const MatrixShape& shape)
{
    return QCoreApplication::translate("DrawFailureMessage",
                                       "%1 fly on channel %2, but the %3 of a round fill only %4 of %5 each, "
                                       "and no heat may hold two pilots on one channel. %6")
        .arg(Pilots(busiest.pilots), QString::number(busiest.channel), Pilots(pilots), Heats(filledHeats),
             Pilots(shape.pilotsPerHeat), RemedyForChannel(busiest, shape));
}

// More team mates than heats in the shape: no number of pilots per heat
// helps, only more heats or a smaller team.
QString TeamOverloaded(const BiggestTeam& biggest, int pilots, int filledHeats, const MatrixShape& shape)
{
    if (biggest.pilots > shape.heats)
        return QCoreApplication::translate("DrawFailureMessage", "Team %1 has %2 but a round has only %3.")
            .arg(biggest.team, Pilots(biggest.pilots), Heats(shape.heats));
    return QCoreApplication::translate("DrawFailureMessage",
                                       "Team %1 has %2, but the %3 of a round fill only %4 of %5 each, and no "
                                       "heat may hold two pilots of one team. Use fewer pilots per heat.")
        .arg(biggest.team, Pilots(biggest.pilots), Pilots(pilots), Heats(filledHeats), Pilots(shape.pilotsPerHeat));
}

QString BackToBackImpossible()
{
    return QCoreApplication::translate("DrawFailureMessage",
                                       "The pilots fill only one heat a round, so they fly the last heat of each "
                                       "round and the first of the next: \"Ne dvakrát po sobě\" cannot hold. Use "
                                       "fewer pilots per heat, or clear the option.");
}

}  // namespace

QString DrawFailureMessage(std::span<const PilotRecord> roster, const MatrixShape& shape, const DrawRules& rules)
{
    const int pilots = static_cast<int>(roster.size());
    if (pilots > shape.PlacesPerRound())
        return TooFewPlaces(pilots, shape);
    // Each heat is filled up to its pilots before the next one starts.
    const int filledHeats = shape.pilotsPerHeat > 0 ? (pilots + shape.pilotsPerHeat - 1) / shape.pilotsPerHeat : 0;
    const BusiestChannel busiest = FindBusiestChannel(roster);
    if (busiest.pilots > filledHeats)
        return ChannelOverloaded(busiest, pilots, filledHeats, shape);
    if (const BiggestTeam biggest = FindBiggestTeam(roster); biggest.pilots > filledHeats)
        return TeamOverloaded(biggest, pilots, filledHeats, shape);
    if (rules.noBackToBack && filledHeats == 1 && shape.rounds >= 2)
        return BackToBackImpossible();
    return QCoreApplication::translate("DrawFailureMessage", "Cannot resolve frequency conflict. Rerun Matrix to "
                                                             "reseed random number generator.");
}
