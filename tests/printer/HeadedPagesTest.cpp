// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/CalculationResult.h"
#include "matrix/HeatCardFormat.h"
#include "printer/CPrintLayout.h"
#include "printer/HeatCardPrintout.h"
#include "printer/HeatSheetPrintout.h"
#include "printer/MatrixPrintout.h"
#include "printer/PilotListPrintout.h"
#include "support/PdfPrinter.h"
#include "support/PrintoutTrace.h"
#include "support/QtPrinters.h"
#include "support/RecordedDrawing.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

const PageHeading kHeading{QStringLiteral("Krajský pohár Kvorax"), QDate(2026, 5, 16)};

CalculationResult Schedule(int rounds, int heats, int pilotsPerHeat)
{
    CalculationResult result;
    result.rounds = rounds;
    result.heats = heats;
    result.completed = true;
    const int pilots = heats * pilotsPerHeat;
    for (int number = 0; number < pilots; ++number) {
        PilotRecord pilot;
        pilot.index = number;
        pilot.lastName = QStringLiteral("Novák%1").arg(number);
        pilot.firstName = number % 3 ? QStringLiteral("Jan") : QStringLiteral("Maximilián");
        pilot.frequency = 35 + number % 40;
        pilot.team = number % 4 ? QStringLiteral("Jestřábi") : QString();  // the widest sheets: teams and timekeepers
        result.pilots.push_back(pilot);
    }
    for (int round = 0; round < rounds; ++round)
        for (int place = 0; place < pilots; ++place) {
            result.matrix.Set(round, place / pilotsPerHeat, place % pilotsPerHeat, (place + round * 4) % pilots);
            result.timekeepers.Set(round, place / pilotsPerHeat, place % pilotsPerHeat,
                                   (place + round * 4 + pilotsPerHeat) % pilots);
        }
    return result;
}

using Printout = std::function<PrintOutcome(CPrintLayout&, SharedPrinter, int size, const CalculationResult&)>;

const std::map<std::string, Printout>& Printouts()
{
    static const StatusLine ignore = [](const QString&) {};
    static const std::map<std::string, Printout> printouts = {
        {"matrix", [](CPrintLayout& layout, SharedPrinter printer, int size, const CalculationResult& result) {
             return PrintMatrix(layout, std::move(printer), {size, true}, result, ignore, kHeading);
         }},
        {"heat cards", [](CPrintLayout& layout, SharedPrinter printer, int size, const CalculationResult& result) {
             return PrintHeatCards(layout, std::move(printer), size, HeatCardsOf(result), ignore, kHeading);
         }},
        {"heat sheets", [](CPrintLayout& layout, SharedPrinter printer, int size, const CalculationResult& result) {
             return PrintHeatSheets(layout, std::move(printer), size, result, ignore, kHeading);
         }},
        {"pilot list", [](CPrintLayout& layout, SharedPrinter printer, int size, const CalculationResult& result) {
             return PrintPilotList(layout, std::move(printer), size, result.pilots, ignore, kHeading);
         }},
    };
    return printouts;
}

SharedPrinter A4Printer(const QString& path, bool landscape)
{
    SharedPrinter printer = MakePdfPrinter(path);
    printer->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    return printer;
}

// How wide the text is in the font it was drawn in: its box may reach past
// the page where the column is wider than its longest line.
int InkWidth(const TracedText& text)
{
    CDC measure;
    measure.SelectFont({text.face, text.height, text.bold});
    return measure.GetTextExtent(text.text).width();
}

struct PageSize {
    int width;
    int height;
};

// Per page: one header at the top, one footer "Page k of n" with the real
// n at the foot, both inside the page; everything else between them and
// inside the page's width; no page without a body.
void ExpectHeadedPages(const DrawingTrace& trace, PageSize page, const std::string& what)
{
    const int pages = trace.pagesStarted;
    ASSERT_GE(pages, 1) << what;
    EXPECT_EQ(trace.pagesEnded, pages) << what;
    for (int number = 1; number <= pages; ++number) {
        std::vector<TracedText> headers, footers, body;
        for (const TracedText& text : trace.texts) {
            if (text.page != number)
                continue;
            if (!IsPageFurniture(text))
                body.push_back(text);
            else if (text.rect.top == 0)
                headers.push_back(text);
            else
                footers.push_back(text);
        }
        const std::string where = what + ", page " + std::to_string(number);
        ASSERT_EQ(headers.size(), 1u) << where;
        ASSERT_EQ(footers.size(), 1u) << where;
        EXPECT_EQ(headers[0].text, QStringLiteral("Krajský pohár Kvorax, 2026-05-16 \u2013 ") + headers[0].text.section(u'\u2013', 1).trimmed());
        EXPECT_EQ(footers[0].text, QStringLiteral("Page %1 of %2").arg(number).arg(pages)) << where;
        for (const TracedText* furniture : {&headers[0], &footers[0]}) {
            EXPECT_GE(furniture->rect.left, 0) << where;
            EXPECT_LE(furniture->rect.right, page.width) << where;
            EXPECT_LE(furniture->rect.bottom, page.height) << where;
        }
        EXPECT_FALSE(body.empty()) << where << " holds no body";
        for (const TracedText& text : body) {
            EXPECT_GE(text.rect.top, headers[0].rect.bottom) << where << ": " << text.text.toStdString();
            EXPECT_LE(text.rect.bottom, footers[0].rect.top) << where << ": " << text.text.toStdString();
            EXPECT_LE(text.rect.left + InkWidth(text), page.width) << where << ": " << text.text.toStdString();
        }
        for (const TracedLine& line : trace.lines) {
            if (line.page != number)
                continue;
            for (const QPoint& end : {line.from, line.to}) {
                EXPECT_GE(end.y(), headers[0].rect.bottom) << where;
                EXPECT_LE(end.y(), footers[0].rect.top) << where;
                EXPECT_LE(end.x(), page.width) << where;
            }
        }
    }
}

// Each heading (a heat, a card) is drawn once, and every text after it up
// to the next heading shares its page and its column: no block split.
void ExpectBlocksWhole(const DrawingTrace& trace, const std::string& what)
{
    const std::vector<TracedText> body = BodyTexts(trace);
    QStringList seen;
    const TracedText* heading = nullptr;
    for (const TracedText& text : body) {
        if (text.bold) {
            EXPECT_FALSE(seen.contains(text.text)) << what << ": " << text.text.toStdString() << " split";
            seen << text.text;
            heading = &text;
            continue;
        }
        if (!heading)
            continue;
        EXPECT_EQ(text.page, heading->page) << what << ": " << text.text.toStdString();
        EXPECT_GE(text.rect.left, heading->rect.left) << what << ": " << text.text.toStdString();
        EXPECT_LT(text.rect.left, heading->rect.right) << what << ": " << text.text.toStdString();
    }
}

struct PageSetting {
    int size;
    bool landscape;
};

void PrintTo(const PageSetting& setting, std::ostream* out)
{
    *out << "size " << setting.size << (setting.landscape ? ", landscape" : ", portrait");
}

class HeadedPagesOverSizes : public testing::TestWithParam<PageSetting> {};

} // namespace

TEST_P(HeadedPagesOverSizes, EveryPrintoutKeepsItsHeaderFooterAndBlocksInsideThePage)
{
    const PageSetting setting = GetParam();
    const PageSize page = setting.landscape ? PageSize{840, 594} : PageSize{594, 840};
    // A heat sheet is never split, so the sheets take the largest heats a
    // contest has; a matrix heat taller than its column goes on in the next.
    const CalculationResult result = Schedule(4, 3, 6);
    const CalculationResult largest = Schedule(3, 3, 12);
    QTemporaryDir dir;
    for (const auto& [name, print] : Printouts()) {
        CPrintLayout layout;
        RecordedDrawing trace(layout.m_printerDC);
        ASSERT_EQ(print(layout, A4Printer(dir.filePath("out.pdf"), setting.landscape), setting.size,
                        name == "heat sheets" ? largest : result),
                  PrintOutcome::Printed)
            << name;
        ExpectHeadedPages(trace, page, name);
        ExpectBlocksWhole(trace, name);
    }
}

std::vector<PageSetting> EverySizeBothWays()
{
    std::vector<PageSetting> settings;
    for (int size = kSmallestBaseFontSize; size <= kLargestBaseFontSize; ++size)
        for (bool landscape : {false, true})
            settings.push_back({size, landscape});
    return settings;
}

INSTANTIATE_TEST_SUITE_P(EverySize, HeadedPagesOverSizes, testing::ValuesIn(EverySizeBothWays()));

// A landscape sheet is wider: its columns are laid across its real width,
// so more of them stand side by side on a page, past the width of an
// upright sheet.
TEST(HeadedPages, LandscapeLaysMoreColumnsAcrossTheWiderPage)
{
    const CalculationResult result = Schedule(12, 4, 3);
    QTemporaryDir dir;
    std::map<bool, std::set<int>> columnsOnFirstPage;
    for (bool landscape : {false, true}) {
        CPrintLayout layout;
        RecordedDrawing trace(layout.m_printerDC);
        ASSERT_EQ(PrintMatrix(layout, A4Printer(dir.filePath("matrix.pdf"), landscape), {9, false}, result,
                              [](const QString&) {}, kHeading),
                  PrintOutcome::Printed);
        for (const TracedText& heading : TracedHeadings(trace))
            if (heading.page == 1)
                columnsOnFirstPage[landscape].insert(heading.rect.left);
    }
    EXPECT_GT(columnsOnFirstPage[true].size(), columnsOnFirstPage[false].size());
    EXPECT_GT(*columnsOnFirstPage[true].rbegin(), *columnsOnFirstPage[false].rbegin());
}

// A contest without a name heads its pages with the printout's title alone.
TEST(HeadedPages, AContestWithoutANameHeadsThePagesWithTheTitleAlone)
{
    QTemporaryDir dir;
    CPrintLayout layout;
    RecordedDrawing trace(layout.m_printerDC);
    ASSERT_EQ(PrintHeatSheets(layout, MakePdfPrinter(dir.filePath("sheets.pdf")), 9, Schedule(1, 2, 3),
                              [](const QString&) {}, PageHeading{QStringLiteral("  "), QDate(2026, 5, 16)}),
              PrintOutcome::Printed);
    ASSERT_FALSE(trace.texts.empty());
    EXPECT_EQ(trace.texts.front().text, QStringLiteral("Heat Sheets"));
}
