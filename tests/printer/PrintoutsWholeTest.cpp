// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer/CPrintLayout.h"
#include "printer/HeatCardPrintout.h"
#include "printer/MatrixPrintout.h"
#include "matrix/CalculationResult.h"
#include "support/PdfPrinter.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// One printout setting: the chosen size, the rounds, and heats of a number
// of pilots each, every pilot flying once a round; the second pilot may have
// names as long as the roster lets them be.
struct Shape {
    int size;
    int rounds;
    int heats;
    int pilotsPerHeat;
    bool longNames = false;
};

void PrintTo(const Shape& shape, std::ostream* out)
{
    *out << "size " << shape.size << ", " << shape.rounds << " rounds, " << shape.heats << " heats of "
         << shape.pilotsPerHeat << (shape.longNames ? ", long names" : "");
}

// Long names stand beside short ones: the widest line decides whether a
// size fits.
PilotRecord Pilot(int number, bool longNames)
{
    const bool isLong = longNames && number == 1;
    PilotRecord pilot;
    pilot.index = number;
    pilot.lastName = isLong ? QStringLiteral("Vandenbroucke-Wisniewskiova") : QStringLiteral("Novák%1").arg(number);
    pilot.firstName = isLong ? QStringLiteral("Maximiliana Josefina") : QStringLiteral("Jan");
    pilot.frequency = 35 + number % 40;
    return pilot;
}

CalculationResult Schedule(const Shape& shape)
{
    CalculationResult result;
    result.rounds = shape.rounds;
    result.heats = shape.heats;
    const int pilots = shape.heats * shape.pilotsPerHeat;
    for (int number = 0; number < pilots; ++number)
        result.pilots.push_back(Pilot(number, shape.longNames));
    for (int round = 0; round < shape.rounds; ++round)
        for (int place = 0; place < pilots; ++place)
            result.matrix.Set(round, place / shape.pilotsPerHeat, place % shape.pilotsPerHeat,
                              (place + round * 5) % pilots);
    return result;
}

// The cards as the result tree gives them: each pilot's heats in round order.
std::vector<HeatCard> Cards(const CalculationResult& result)
{
    std::vector<HeatCard> cards;
    for (const PilotRecord& pilot : result.pilots) {
        HeatCard card{QStringLiteral("%1, %2 (%3)").arg(pilot.lastName, pilot.firstName).arg(pilot.frequency), {}};
        for (int round = 0; round < result.rounds; ++round)
            for (int heat = 0; heat < result.heats; ++heat)
                for (int slot = 0; slot < kSlotsPerHeat; ++slot)
                    if (result.matrix.At(round, heat, slot) == pilot.index)
                        card.heatTexts << QStringLiteral("Round %1, Heat %2")
                                              .arg(round + 1, 2, 10, QChar('0'))
                                              .arg(heat + 1, 2, 10, QChar('0'));
        cards.push_back(card);
    }
    return cards;
}

// A block as the PDF should show it: its heading, then its lines.
struct ExpectedBlock {
    QString heading;
    QStringList lines;
};

// Reads the PDF's lines back in drawing order and checks that they are the
// blocks, each line whole and in place; a block carried on into the next
// column may repeat its heading there, nothing else may come between.
void ExpectBlocksWhole(const QString& pdf, const std::vector<ExpectedBlock>& blocks)
{
    const QStringList pages = RunPoppler("pdftotext", {"-raw", pdf, "-"}).split(u'\f');
    ASSERT_GE(pages.size(), 2) << "no page";
    for (int page = 0; page + 1 < pages.size(); ++page)
        EXPECT_FALSE(pages[page].trimmed().isEmpty()) << "page " << page + 1 << " of " << pages.size() - 1 << " is empty";

    size_t block = 0;
    int line = -1;  // -1: the heading is next
    for (const QString& rawLine : pages.join(u'\n').split(u'\n', Qt::SkipEmptyParts)) {
        const QString text = rawLine.simplified();
        if (text.isEmpty())
            continue;
        ASSERT_LT(block, blocks.size()) << "more than expected: " << text.toStdString();
        const ExpectedBlock& expected = blocks[block];
        if (line >= 0 && text == expected.heading)
            continue;  // the heading repeated at the top of the next column
        const QString wanted = line < 0 ? expected.heading : expected.lines[line];
        ASSERT_EQ(text, wanted) << "in the block of " << expected.heading.toStdString();
        if (++line == expected.lines.size()) {
            ++block;
            line = -1;
        }
    }
    EXPECT_EQ(block, blocks.size()) << "the printout stops before " << blocks[std::min(block, blocks.size() - 1)].heading.toStdString();
}

// Every word ends inside the printable area: nothing runs off the page's
// right edge or its foot.
void ExpectEveryWordOnThePage(const QString& pdf)
{
    const QString boxes = RunPoppler("pdftotext", {"-bbox", pdf, "-"});
    int words = 0;
    for (const QString& row : boxes.split(u'\n')) {
        if (!row.trimmed().startsWith("<word"))
            continue;
        ++words;
        const double xMax = row.section("xMax=\"", 1).section('"', 0, 0).toDouble();
        const double yMax = row.section("yMax=\"", 1).section('"', 0, 0).toDouble();
        // An A4 page is 595 by 842 points.
        EXPECT_LE(xMax, 595.3) << row.toStdString();
        EXPECT_LE(yMax, 842.0) << row.toStdString();
    }
    EXPECT_GT(words, 0);
}

QString Simplified(const QString& text)
{
    return text.simplified();
}

class PrintoutsWhole : public testing::TestWithParam<Shape> {
protected:
    QTemporaryDir m_dir;
    QStringList m_statuses;
};

} // namespace

TEST_P(PrintoutsWhole, EveryPilotOfEveryHeatAndEveryHeatOfEveryCardPrintsWhole)
{
    const Shape shape = GetParam();
    const CalculationResult result = Schedule(shape);
    const auto keepStatus = [this](const QString& text) { m_statuses << text; };

    const QString matrixPdf = m_dir.filePath("matrix.pdf");
    CPrintLayout layout;
    ASSERT_EQ(PrintMatrix(layout, MakePdfPrinter(matrixPdf), {shape.size, true}, result, keepStatus),
              PrintOutcome::Printed);
    std::vector<ExpectedBlock> heats;
    for (int round = 0; round < shape.rounds; ++round)
        for (int heat = 0; heat < shape.heats; ++heat) {
            const HeatBlock block = MatrixHeatBlock(result, round, heat);
            QStringList lines = block.pilotLines;
            std::transform(lines.begin(), lines.end(), lines.begin(), Simplified);
            heats.push_back({Simplified(block.heading), lines});
        }
    ExpectBlocksWhole(matrixPdf, heats);
    ExpectEveryWordOnThePage(matrixPdf);
    const QString matrixNote = m_statuses.last();

    const QString cardsPdf = m_dir.filePath("cards.pdf");
    const std::vector<HeatCard> cards = Cards(result);
    ASSERT_EQ(PrintHeatCards(layout, MakePdfPrinter(cardsPdf), shape.size, cards, keepStatus), PrintOutcome::Printed);
    std::vector<ExpectedBlock> cardBlocks;
    for (const HeatCard& card : cards)
        cardBlocks.push_back({card.pilotText, card.heatTexts});
    ExpectBlocksWhole(cardsPdf, cardBlocks);
    ExpectEveryWordOnThePage(cardsPdf);

    // The status line says when a printout came out smaller than chosen.
    for (const QString& note : {matrixNote, m_statuses.last()}) {
        if (!note.isEmpty()) {
            EXPECT_TRUE(note.endsWith(QStringLiteral(": size %1 does not fit the page").arg(shape.size)))
                << note.toStdString();
        }
    }
    if (shape.size <= 9) {
        EXPECT_EQ(matrixNote, QString());
        EXPECT_EQ(m_statuses.last(), QString());
    }
    if (shape.size == 72) {
        EXPECT_TRUE(m_statuses.last().startsWith("Heat Cards printed at size ")) << m_statuses.last().toStdString();
    }
}

// The extremes of the dialog's sizes, long names at the smallest, the sizes at which heats and cards
// used to be cut or leave a page empty, one round and twenty-five, ten heats, heats of
// two and of twelve pilots, and thirty cards of six heats ending exactly at
// the foot of the page at size 9.
INSTANTIATE_TEST_SUITE_P(SizesRoundsAndHeats, PrintoutsWhole,
                         testing::Values(Shape{8, 25, 10, 2, true}, Shape{9, 25, 2, 12}, Shape{9, 6, 5, 6},
                                         Shape{24, 3, 2, 12, true}, Shape{24, 3, 2, 12}, Shape{40, 25, 2, 12},
                                         Shape{56, 3, 2, 12}, Shape{72, 3, 2, 12}, Shape{72, 1, 6, 2},
                                         Shape{72, 25, 4, 3}));
