#include "matrix/HeatCardFormat.h"

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
