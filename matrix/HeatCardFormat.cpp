// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/HeatCardFormat.h"

#include "matrix/CalculationResult.h"

#include <QCoreApplication>
#include <algorithm>

QString PilotCardText(const PilotRecord& pilot)
{
    return QStringLiteral("%1, %2 (%3)").arg(pilot.lastName, pilot.firstName, QString::number(pilot.frequency));
}

QString HeatCardText(int round, int heat)
{
    return QString::asprintf("Round %02d, Heat %02d", round, heat);
}

QString ContestDayMark(const PilotRecord& pilot)
{
    if (pilot.withdrawnFromRound > 0)
        return QCoreApplication::translate("HeatCards", "withdrawn from round %1")
            .arg(QString::asprintf("%02d", pilot.withdrawnFromRound));
    if (pilot.lateFromRound > 0)
        return QCoreApplication::translate("HeatCards", "late from round %1")
            .arg(QString::asprintf("%02d", pilot.lateFromRound));
    return {};
}

std::vector<HeatCard> HeatCardsOf(const CalculationResult& result)
{
    std::vector<HeatCard> cards;
    for (const PilotRecord& pilot : result.pilots)
        cards.push_back({PilotCardText(pilot), {}});
    if (!result.completed)
        return cards;
    // The result never covers more than the matrix holds.
    const int rounds = std::clamp(result.rounds, 0, kMaxRounds);
    const int heats = std::clamp(result.heats, 0, kMaxHeats);
    for (int round = 0; round < rounds; ++round)
        for (int heat = 0; heat < heats; ++heat)
            for (int slot = 0; slot < kSlotsPerHeat; ++slot)
                if (const int position = result.matrix.At(round, heat, slot);
                    position >= 0 && position < int(cards.size()))
                    cards[size_t(position)].heatTexts << HeatCardText(round + 1, heat + 1);
    for (size_t position = 0; position < cards.size(); ++position)
        if (const QString mark = ContestDayMark(result.pilots[position]); !mark.isEmpty())
            cards[position].heatTexts << mark;
    return cards;
}

QString HeatCardsText(const std::vector<HeatCard>& cards)
{
    QString text;
    for (const HeatCard& card : cards) {
        text += card.pilotText + QStringLiteral("\n-----------------------------------------\n");
        for (const QString& heat : card.heatTexts)
            text += QStringLiteral("    ") + heat + QLatin1Char('\n');
        text += QStringLiteral("\n\n\n");
    }
    return text;
}
