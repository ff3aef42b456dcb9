// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/KvoraxProcess.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const QString kContest = QStringLiteral(KVORAX_SOURCE_DIR "/examples/contest.txt");

class BatchPrintout : public testing::Test {
protected:
    QString Path(const QString& name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
};

int PdfPages(const QString& path)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    if (!pdfinfo.waitForFinished(30000) || pdfinfo.exitCode() != 0)
        return -1;
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(pdfinfo.readAllStandardOutput()));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

// The text of each page, as poppler reads it back.
QStringList PdfPageTexts(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();  // pdftotext ends the last page with a form feed too
    return pages;
}

}  // namespace

TEST_F(BatchPrintout, PdfThatCannotBeWrittenGivesStatusOneAndStopsTheRun)
{
    const QString pdf = Path(QStringLiteral("no-such-folder/matrix.pdf"));
    const QString heats = Path(QStringLiteral("heats.pdf"));
    const KvoraxRun run = RunKvorax({"--import", kContest, "--print-matrix", pdf, "--print-heats", heats});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(MessageLines(run.errors).size(), 1) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(heats));
}

// Opening a named pipe for writing waits for a reader, which may never come;
// a folder or a device is no PDF file either. The run must neither wait nor
// print anywhere but into a file.
TEST_F(BatchPrintout, PdfPathThatIsAPipeAFolderOrADeviceGivesStatusOneAtOnce)
{
    const QString pipe = Path(QStringLiteral("pipe.pdf"));
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    const QString folder = Path(QStringLiteral("folder.pdf"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString& target : {pipe, folder, QStringLiteral("/dev/null")}) {
        const QString heats = Path(QStringLiteral("heats.pdf"));
        const KvoraxRun run = RunKvorax({"--import", kContest, "--print-matrix", target, "--print-heats", heats});
        EXPECT_EQ(run.status, 1) << target.toStdString();
        const QStringList messages = MessageLines(run.errors);
        ASSERT_EQ(messages.size(), 1) << run.errors.toStdString();
        EXPECT_TRUE(messages[0].contains(target)) << messages[0].toStdString();
        EXPECT_FALSE(QFile::exists(heats));
    }
}

// The printer reports no error at the end of a document, so a PDF file cut
// short at the size limit for files would pass for a whole one; the matrix
// file it was to replace stays as it was.
TEST_F(BatchPrintout, PdfCutShortAtTheFileSizeLimitKeepsTheOldFileAndStopsTheRun)
{
    const QString matrix = Path(QStringLiteral("matrix.pdf"));
    const QByteArray earlier = QByteArray("%PDF-1.4 the printout of the day before\n%%EOF\n");
    WriteBytes(matrix, earlier);
    const QString heats = Path(QStringLiteral("heats.pdf"));
    const KvoraxRun run = RunKvorax({"--import", kContest, "--print-matrix", matrix, "--print-heats", heats},
                                    {.fileSizeLimitBytes = 8192});
    EXPECT_EQ(run.status, 1);
    const QStringList messages = MessageLines(run.errors);
    ASSERT_EQ(messages.size(), 1) << run.errors.toStdString();
    EXPECT_TRUE(messages[0].contains(matrix)) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(QStringLiteral("size limit"))) << messages[0].toStdString();
    EXPECT_EQ(ReadBytes(matrix), earlier);
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"matrix.pdf"}));
}

TEST_F(BatchPrintout, ShortSchedulePrintsOnOnePageEach)
{
    const QString roster = Path(QStringLiteral("two.txt"));
    WriteBytes(roster, "Novák,Jan,35\nDvořák,Petr,36\n");
    const QString matrix = Path(QStringLiteral("matrix.pdf"));
    const QString heats = Path(QStringLiteral("heats.pdf"));
    const KvoraxRun run = RunKvorax({"--import", roster, "--rounds", "1", "--heats", "1", "--print-matrix", matrix,
                                     "--print-heats", heats});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    EXPECT_EQ(run.errors, QString()) << "a run that did everything it was asked has nothing to say";
    for (const QString& pdf : {matrix, heats}) {
        EXPECT_TRUE(ReadBytes(pdf).startsWith("%PDF")) << pdf.toStdString();
        EXPECT_EQ(PdfPages(pdf), 1) << pdf.toStdString();
    }
}

// At the largest font a column is wider than half the page, so a page holds
// one column: a new column per round is a new page per round. The heat
// lines do not fit across the page at 72, so the cards come out at the
// largest size at which they do, which the run says without failing; so
// may the matrix, which keeps its page per round all the same.
TEST_F(BatchPrintout, LargestFontPrintsOnePagePerRoundAndCardsAsLargeAsFit)
{
    const QString roster = Path(QStringLiteral("two.txt"));
    WriteBytes(roster, "Novák,Jan,35\nDvořák,Petr,36\n");
    const QString matrix = Path(QStringLiteral("matrix.pdf"));
    const KvoraxRun small =
        RunKvorax({"--import", roster, "--rounds", "3", "--heats", "1", "--font-size", "72", "--print-matrix", matrix});
    ASSERT_EQ(small.status, 0) << small.errors.toStdString();
    EXPECT_EQ(PdfPages(matrix), 3);

    const QString heats = Path(QStringLiteral("heats.pdf"));
    const KvoraxRun contest = RunKvorax({"--import", kContest, "--font-size", "72", "--print-heats", heats});
    ASSERT_EQ(contest.status, 0) << contest.errors.toStdString();
    const QRegularExpressionMatch note =
        QRegularExpression(QStringLiteral("^Heat Cards printed at size (\\d+): size 72 does not fit the page\n$"))
            .match(contest.errors);
    ASSERT_TRUE(note.hasMatch()) << contest.errors.toStdString();
    EXPECT_LT(note.captured(1).toInt(), 72);
    const QStringList pages = PdfPageTexts(heats);
    ASSERT_FALSE(pages.isEmpty());
    for (int page = 0; page < pages.size(); ++page)
        EXPECT_FALSE(pages[page].trimmed().isEmpty()) << "page " << page + 1;
    const QString all = pages.join(u'\n');
    EXPECT_EQ(all.count(QRegularExpression(QStringLiteral("Round \\d\\d, Heat \\d\\d"))), 30 * 6);
    for (const QString& pilot : QString::fromUtf8(ReadBytes(kContest)).split(u'\n', Qt::SkipEmptyParts))
        EXPECT_TRUE(all.contains(pilot.section(u',', 0, 0) + QStringLiteral(", "))) << pilot.toStdString();
}

// A PDF file keeps 5 mm free on every side, as a printer's margins would,
// and is titled after its printout.
TEST_F(BatchPrintout, PdfFilesKeepMarginsAndNameTheirPrintout)
{
    const QString matrix = Path(QStringLiteral("matrix.pdf"));
    const QString heats = Path(QStringLiteral("heats.pdf"));
    const KvoraxRun run = RunKvorax({"--import", kContest, "--print-matrix", matrix, "--print-heats", heats});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    for (const auto& [pdf, title] : {std::pair{matrix, "Matrix"}, std::pair{heats, "Heat Cards"}}) {
        QProcess pdfinfo;
        pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
        ASSERT_TRUE(pdfinfo.waitForFinished(30000));
        EXPECT_TRUE(QString::fromUtf8(pdfinfo.readAllStandardOutput())
                        .contains(QRegularExpression(QStringLiteral("^Title: +%1$").arg(title),
                                                     QRegularExpression::MultilineOption)))
            << title;
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        ASSERT_TRUE(pdftotext.waitForFinished(30000));
        // 5 mm are 14.17 points; an A4 page is 595.28 by 841.89 points.
        // Poppler's word boxes come from the font's metrics at the point
        // drawn from, which the device's whole pixels may place a fifth of a
        // point further out: 0.3 points are allowed for that.
        constexpr double kMargin = 14.17 - 0.3;
        const QRegularExpression word(QStringLiteral(
            "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">"));
        int words = 0;
        double left = 1e9, top = 1e9, right = 0, bottom = 0;
        for (auto match = word.globalMatch(QString::fromUtf8(pdftotext.readAllStandardOutput())); match.hasNext();) {
            const QRegularExpressionMatch box = match.next();
            ++words;
            left = std::min(left, box.captured(1).toDouble());
            top = std::min(top, box.captured(2).toDouble());
            right = std::max(right, box.captured(3).toDouble());
            bottom = std::max(bottom, box.captured(4).toDouble());
        }
        ASSERT_GT(words, 100) << title;
        EXPECT_GE(left, kMargin) << title;
        EXPECT_GE(top, kMargin) << title;
        EXPECT_LE(right, 595.28 - kMargin) << title;
        EXPECT_LE(bottom, 841.89 - kMargin) << title;
    }
}

// Without a new column per round the three short rounds share the first page.
TEST_F(BatchPrintout, NoNewColumnKeepsTheRoundsTogether)
{
    const QString roster = Path(QStringLiteral("two.txt"));
    WriteBytes(roster, "Novák,Jan,35\nDvořák,Petr,36\n");
    const QString matrix = Path(QStringLiteral("matrix.pdf"));
    const KvoraxRun run = RunKvorax({"--import", roster, "--rounds", "3", "--heats", "1", "--font-size", "72",
                                     "--no-new-column", "--print-matrix", matrix});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    const QStringList pages = PdfPageTexts(matrix);
    ASSERT_FALSE(pages.isEmpty());
    for (const char* heading : {"Round 01 Heat 01", "Round 02 Heat 01", "Round 03 Heat 01"})
        EXPECT_TRUE(pages[0].contains(QLatin1String(heading))) << heading;
}
