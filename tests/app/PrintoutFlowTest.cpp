#include "app/CPrintLayout.h"
#include "app/HeatCardPrintout.h"
#include "app/MatrixPrintout.h"
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

// Cuts the drawing into blocks: each bold heading opens one, and the lines
// and the rule after it belong to it.
std::vector<DrawnBlock> BlocksOf(const DrawingTrace& trace)
{
    std::vector<DrawnBlock> blocks;
    for (const TracedText& text : trace.texts) {
        if (text.bold)
            blocks.push_back({text.page, text.rect.left, text.rect.top, text.rect.bottom, text.text});
        else if (!blocks.empty())
            blocks.back().bottom = std::max(blocks.back().bottom, text.rect.bottom);
    }
    // Every card ends with its own rule, in the order drawn.
    for (size_t card = 0; card < trace.lines.size() && card < blocks.size(); ++card)
        blocks[card].bottom = std::max(blocks[card].bottom, trace.lines[card].from.y() + 1);
    return blocks;
}

// Every block ends within the page unless it is taller than a whole column,
// and then it starts at the column's top; blocks in one column never overlap.
void ExpectNothingCutOffOrOverlapping(const std::vector<DrawnBlock>& blocks, int topMargin, const std::string& what)
{
    for (size_t index = 0; index < blocks.size(); ++index) {
        const DrawnBlock& block = blocks[index];
        const bool tallerThanColumn = block.bottom - block.top > kA4PageHeight - topMargin;
        if (tallerThanColumn) {
            EXPECT_EQ(block.top, topMargin) << what << " " << block.heading.toStdString();
        } else {
            EXPECT_LE(block.bottom, kA4PageHeight) << what << " " << block.heading.toStdString();
        }
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
    RecordedDrawing trace;
    CPrintLayout layout;
    PrintMatrix(layout, MakePdfPrinter(dir.filePath("matrix.pdf")), options, result, [](const QString&) {});
    ExpectNothingCutOffOrOverlapping(BlocksOf(trace), 32, "seed " + std::to_string(GetParam()));
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
    RecordedDrawing trace;
    CPrintLayout layout;
    PrintHeatCards(layout, MakePdfPrinter(dir.filePath("cards.pdf")), baseSize, cards, [](const QString&) {});
    ExpectNothingCutOffOrOverlapping(BlocksOf(trace), 0, "seed " + std::to_string(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(TwentySeeds, PrintoutFlowOverSeeds, testing::Range(1u, 21u));
