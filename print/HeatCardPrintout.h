#pragma once

#include "platform/DrawingTypes.h"
#include "print/StatusLine.h"

#include <QString>
#include <QStringList>
#include <vector>

class CPrintLayout;
class CTreeCtrl;
struct PilotRecord;

// One pilot's card as the result tree shows it: the pilot node's text and
// the texts of its heat nodes.
struct HeatCard {
    QString heading;
    QStringList heats;
};

// The cards of the drawn pilots in their roster order, each read from the
// pilot's node in the result tree.
std::vector<HeatCard> ReadHeatCards(const CTreeCtrl& tree, const std::vector<PilotRecord>& pilots);

// What goes before every heat on a card: an indent of seven blanks.
QString HeatCardLine(const QString& heat);

// Prints the cards in the order given, in columns on the printer, each with
// a rule under it, then lets the printer go and clears the status line.
// False when the printer could not start the document.
bool PrintHeatCards(CPrintLayout& layout, HDC printer, int baseFontSize,
                    const std::vector<HeatCard>& cards, const StatusLine& showStatus);
