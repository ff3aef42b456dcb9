// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct CalculationResult;
struct PilotRecord;

// One pilot's heat card: the pilot's line ("Novak, Jan (35)") and the heats
// the pilot flies ("Round 01, Heat 03"), in round order. The result tree
// shows the same texts.
struct HeatCard {
    QString pilotText;
    QStringList heatTexts;
};

QString PilotCardText(const PilotRecord& pilot);
// Round and heat counted from 1; two digits, so that sorted texts list the
// heats in round order.
QString HeatCardText(int round, int heat);

// On the contest day, "withdrawn from round 04" or "late from round 03" for
// a pilot so marked; empty for a pilot who flies every round.
QString ContestDayMark(const PilotRecord& pilot);

// The cards of a calculation: one per pilot drawn, in the roster order the
// draw was made from, each with the heats the pilot flies and, after them,
// the pilot's contest-day mark if any. A draw that did not complete placed
// nobody for good, so its cards name the pilots without heats.
std::vector<HeatCard> HeatCardsOf(const CalculationResult& result);

// The heat-card file: per card the pilot's line, a rule of 41 hyphens, each
// heat indented by four blanks, then three empty lines. Line ends are "\n";
// the text file writes them as CR LF.
QString HeatCardsText(const std::vector<HeatCard>& cards);
