#include "app/KvoraxProcess.h"
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
// short by a full disk would pass for a whole one.
TEST_F(BatchPrintout, PdfCutShortByAFullDiskGivesStatusOneAndStopsTheRun)
{
    const QString matrix = Path(QStringLiteral("matrix.pdf"));
    const QString heats = Path(QStringLiteral("heats.pdf"));
    const KvoraxRun run =
        RunKvorax({"--import", kContest, "--print-matrix", matrix, "--print-heats", heats}, {.diskFullAtBytes = 8192});
    EXPECT_EQ(run.status, 1);
    const QStringList messages = MessageLines(run.errors);
    ASSERT_EQ(messages.size(), 1) << run.errors.toStdString();
    EXPECT_TRUE(messages[0].contains(matrix)) << messages[0].toStdString();
    EXPECT_FALSE(QFile::exists(heats));
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
    for (const QString& pdf : {matrix, heats}) {
        EXPECT_TRUE(ReadBytes(pdf).startsWith("%PDF")) << pdf.toStdString();
        EXPECT_EQ(PdfPages(pdf), 1) << pdf.toStdString();
    }
}

// At the largest font a column is wider than half the page, so a page holds
// one column: a new column per round is a new page per round, and a heat
// card of six heats leaves no room below it for the next card.
TEST_F(BatchPrintout, LargestFontPrintsOnePagePerRoundAndPerCard)
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
    EXPECT_TRUE(ReadBytes(heats).startsWith("%PDF"));
    const QStringList pages = PdfPageTexts(heats);
    ASSERT_GE(pages.size(), 30);
    EXPECT_EQ(PdfPages(heats), pages.size());
    const QStringList pilots = QString::fromUtf8(ReadBytes(kContest)).split(u'\n', Qt::SkipEmptyParts);
    for (int page = 0; page < 30; ++page) {
        // A heading wider than the column is cut at its edge; the last name always shows.
        const QString lastName = pilots[page].section(u',', 0, 0);
        EXPECT_TRUE(pages[page].trimmed().startsWith(lastName + QStringLiteral(", ")))
            << "page " << page + 1 << ": " << pages[page].toStdString();
        EXPECT_EQ(pages[page].count(QStringLiteral("Round ")), 6) << "page " << page + 1;
    }
    for (int page = 30; page < pages.size(); ++page)
        EXPECT_TRUE(pages[page].trimmed().isEmpty()) << "page " << page + 1 << ": " << pages[page].toStdString();
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
