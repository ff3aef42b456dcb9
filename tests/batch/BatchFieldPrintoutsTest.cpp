// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/KvoraxProcess.h"
#include "support/PdfPrinter.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kContest = QStringLiteral(KVORAX_SOURCE_DIR "/examples/contest.txt");

QStringList LastNamesOf(const QString& rosterPath)
{
    QFile roster(rosterPath);
    EXPECT_TRUE(roster.open(QIODevice::ReadOnly));
    QStringList names;
    for (const QString& line : QString::fromUtf8(roster.readAll()).split(u'\n', Qt::SkipEmptyParts))
        names << line.section(u',', 0, 0).trimmed();
    return names;
}

// Every page reads "Page k of n" with the real count and carries the header.
void ExpectHeadedPdf(const QString& pdf, const QString& header)
{
    const int pages = PdfPageCount(pdf);
    ASSERT_GE(pages, 1) << pdf.toStdString();
    for (int page = 1; page <= pages; ++page) {
        const QString text = PdfPageText(pdf, page);
        EXPECT_TRUE(text.contains(header)) << "page " << page << ": " << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages))) << text.toStdString();
    }
}

} // namespace

// A batch run prints the field's sheets on landscape A4 and writes the web
// page: every pilot is on the sheets and on the registration list, once per
// round on the sheets, and the list ends with the count.
TEST(BatchFieldPrintouts, PrintHeatSheetsAndPilotListHeadedOnLandscapeAndWriteTheWebPage)
{
    QTemporaryDir folder;
    const QString sheets = folder.filePath("sheets.pdf");
    const QString pilots = folder.filePath("pilots.pdf");
    const QString page = folder.filePath("schedule.html");
    const KvoraxRun run = RunKvorax({"--import", kContest, "--name", "Pohár Kvorax", "--date", "2026-05-16", "--rounds",
                                     "3", "--seed", "7", "--landscape", "--print-heat-sheets", sheets, "--print-pilots",
                                     pilots, "--export-html", page});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();

    ExpectHeadedPdf(sheets, QStringLiteral("Pohár Kvorax, 2026-05-16 \u2013 Heat Sheets"));
    ExpectHeadedPdf(pilots, QStringLiteral("Pohár Kvorax, 2026-05-16 \u2013 Pilot List"));
    EXPECT_TRUE(RunPoppler("pdfinfo", {sheets}).contains(QRegularExpression("Page size:\\s+842 x 595")));

    const QString sheetText = PdfText(sheets);
    const QString listText = PdfText(pilots);
    const QStringList names = LastNamesOf(kContest);
    for (const QString& name : names) {
        EXPECT_EQ(sheetText.count(name + u' '), 3) << name.toStdString();
        EXPECT_TRUE(listText.contains(name)) << name.toStdString();
    }
    EXPECT_EQ(sheetText.count(QStringLiteral("Timekeeper's signature:")), sheetText.count(QRegularExpression("Round 0\\d, Heat \\d\\d")));
    EXPECT_TRUE(listText.contains(QStringLiteral("Pilots: %1").arg(names.size()))) << listText.toStdString();

    QFile html(page);
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    const QString markup = QString::fromUtf8(html.readAll());
    EXPECT_TRUE(markup.contains(QStringLiteral("<h1>Pohár Kvorax</h1>")));
    for (const QString& name : names)
        EXPECT_EQ(markup.count(name.toHtmlEscaped() + u','), 3) << name.toStdString();
}
