#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// One pilot's heat card as the result tree shows it: the text of the pilot's
// node ("Novak, Jan (35)") and the texts of the heat nodes under it.
struct HeatCard {
    QString pilotText;
    QStringList heatTexts;
};

// The heat-card file: per card the pilot's line, a rule of 41 hyphens, each
// heat indented by four blanks, then three empty lines. Line ends are "\n";
// the text file writes them as CR LF.
QString HeatCardsText(const std::vector<HeatCard>& cards);
