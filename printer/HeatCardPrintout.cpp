// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer/HeatCardPrintout.h"

#include "printer/CPrintLayout.h"
#include "print/PageGeometry.h"
#include "print/PrintoutContent.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// Cards start at the very top of the printable area.
constexpr int kTopMargin = 0;
constexpr int kHeatLineIndent = 16;
// Space left between the rule under one card and the next card's heading.
constexpr int kGapAfterRule = 10;
// The hairline rule under a card takes up one unit.
constexpr int kRuleHeight = 1;

QStringList HeatCardLines(const HeatCard& card)
{
    QStringList lines;
    for (const QString& heat : card.heatTexts)
        lines << HeatCardLine(heat);
    return lines;
}

void PrintCard(CPrintLayout& layout, int& y, const HeatCard& card)
{
    const QStringList lines = HeatCardLines(card);
    const int cardStart = layout.DrawBlock(y, card.pilotText, lines, kHeatLineIndent, kRuleHeight, kTopMargin).linesTop;
    // A column as wide as the widest heading may reach past the page; its
    // rule stops at the edge.
    const int ruleEnd = std::min(layout.m_columnLeft + layout.m_columnWidth, layout.m_pageWidth);
    y += layout.DrawRule(layout.m_columnLeft, ruleEnd, layout.m_topMargin + y, 0);
    y += kGapAfterRule;
    // A column closes once a further card of this size, counted without its
    // heading, would not fit.
    const int cardHeight = y - cardStart;
    if (EndsBelowPage(layout.m_topMargin, y, cardHeight, layout.m_pageHeight))
        layout.CloseColumn();
}

int FitCardsSize(CPrintLayout& layout, int chosenSize, const std::vector<HeatCard>& cards)
{
    QStringList headings;
    QStringList lines;
    for (const HeatCard& card : cards) {
        headings << card.pilotText;
        lines << HeatCardLines(card);
    }
    lines.removeDuplicates();
    return layout.FitPrintSize(chosenSize, headings, lines, kHeatLineIndent);
}

} // namespace

PrintOutcome PrintHeatCards(CPrintLayout& layout, SharedPrinter printer, int baseFontSize,
                            const std::vector<HeatCard>& cards, const StatusLine& showStatus,
                            const std::optional<PageHeading>& heading)
{
    const QString title = QCoreApplication::translate("Printout", "Heat Cards");
    layout.PreparePrintout(std::move(printer), kTopMargin, baseFontSize, QStringLiteral("Heat Cards"));
    if (heading)
        layout.HeadPages(PageHeaderText(*heading, title));
    const int printedSize = FitCardsSize(layout, baseFontSize, cards);
    const PrintOutcome outcome = layout.PrintBody([&](int& y) {
        for (const HeatCard& card : cards) {
            if (!layout.IsCountingPages())
                showStatus(QCoreApplication::translate("Printout", "Printing %1").arg(card.pilotText));
            PrintCard(layout, y, card);
        }
    });
    layout.ClosePrintout();
    showStatus(PrintSizeNote(title, printedSize, baseFontSize));
    return outcome;
}
