// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer/CPrintLayout.h"
#include "printer/HeatCardPrintout.h"
#include "printer/MatrixPrintout.h"
#include "matrix/CalculationResult.h"
#include "support/PdfPrinter.h"
#include "support/QtPrinters.h"
#include "support/RecordedDrawing.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

constexpr int kA4PageHeight = 840;

// One heat or card as it came out: where it starts and how far down it
// reaches, on which page and in which column.
struct DrawnBlock {
    int page = 0;
    int left = 0;
    int top = 0;
    int bottom = 0;
    QString heading;
};

// Cuts the drawing into blocks: each bold heading opens one (a block carried
// on into the next column repeats its heading there), and the lines after
// it belong to it, as does a card's rule under its last part.
std::vector<DrawnBlock> BlocksOf(const DrawingTrace& trace)
{
    std::vector<DrawnBlock> blocks;
    for (const TracedText& text : trace.texts) {
        if (text.bold)
            blocks.push_back({text.page, text.rect.left, text.rect.top, text.rect.bottom, text.text});
        else if (!blocks.empty())
            blocks.back().bottom = std::max(blocks.back().bottom, text.rect.bottom);
    }
    for (const TracedLine& rule : trace.lines) {
        DrawnBlock* above = nullptr;
        for (DrawnBlock& block : blocks)
            if (block.page == rule.page && block.left == rule.from.x() && block.top <= rule.from.y()
                && (!above || block.top > above->top))
                above = &block;
        if (above)
            above->bottom = std::max(above->bottom, rule.from.y() + 1);
    }
    return blocks;
}

// Every block, or part of one carried on into the next column, ends within
// the page; blocks in one column never overlap.
void ExpectNothingCutOffOrOverlapping(const std::vector<DrawnBlock>& blocks, const std::string& what)
{
    for (size_t index = 0; index < blocks.size(); ++index) {
        const DrawnBlock& block = blocks[index];
        EXPECT_LE(block.bottom, kA4PageHeight) << what << " " << block.heading.toStdString();
        const bool sameColumn = index > 0 && blocks[index - 1].page == block.page && blocks[index - 1].left == block.left;
        if (sameColumn) {
            EXPECT_GE(block.top, blocks[index - 1].bottom) << what << " " << block.heading.toStdString();
        }
    }
}

PilotRecord Pilot(int number)
{
    PilotRecord pilot;
    pilot.lastName = QString("Pilot%1").arg(number);
    pilot.firstName = "Jan";
    pilot.frequency = 35 + number % 20;
    return pilot;
}

class PrintoutFlowOverSeeds : public testing::TestWithParam<unsigned> {};

} // namespace

TEST_P(PrintoutFlowOverSeeds, MatrixHeatsNeverRunOffThePage)
{
    std::mt19937 random(GetParam());
    CalculationResult result;
    result.rounds = 1 + random() % 8;
    result.heats = 1 + random() % 10;
    for (int round = 0; round < result.rounds; ++round)
        for (int heat = 0; heat < result.heats; ++heat) {
            const int pilots = random() % 13;
            for (int slot = 0; slot < pilots; ++slot) {
                result.matrix.Set(round, heat, static_cast<int>(random() % 12), static_cast<int>(result.pilots.size()));
                result.pilots.push_back(Pilot(static_cast<int>(result.pilots.size())));
            }
        }
    const MatrixPrintOptions options{8 + static_cast<int>(random() % 40), random() % 2 == 0};

    QTemporaryDir dir;
    CPrintLayout layout;
    RecordedDrawing trace(layout.m_printerDC);
    PrintMatrix(layout, MakePdfPrinter(dir.filePath("matrix.pdf")), options, result, [](const QString&) {});
    ExpectNothingCutOffOrOverlapping(BlocksOf(trace), "seed " + std::to_string(GetParam()));
}

TEST_P(PrintoutFlowOverSeeds, HeatCardsNeverRunOffThePage)
{
    std::mt19937 random(GetParam());
    std::vector<HeatCard> cards;
    const int count = 1 + random() % 60;
    for (int card = 0; card < count; ++card) {
        HeatCard heatCard{QString("Pilot%1, Jan (35)").arg(card), {}};
        const int heats = random() % 26;
        for (int round = 1; round <= heats; ++round)
            heatCard.heatTexts << QString("Round %1, Heat 01").arg(round, 2, 10, QChar('0'));
        cards.push_back(heatCard);
    }
    const int baseSize = 8 + static_cast<int>(random() % 40);

    QTemporaryDir dir;
    CPrintLayout layout;
    RecordedDrawing trace(layout.m_printerDC);
    PrintHeatCards(layout, MakePdfPrinter(dir.filePath("cards.pdf")), baseSize, cards, [](const QString&) {});
    ExpectNothingCutOffOrOverlapping(BlocksOf(trace), "seed " + std::to_string(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(TwentySeeds, PrintoutFlowOverSeeds, testing::Range(1u, 21u));
