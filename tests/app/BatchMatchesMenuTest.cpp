#include "app/KvoraxProcess.h"
#include "app/MenuSession.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString kContest = QStringLiteral(KVORAX_SOURCE_DIR "/examples/contest.txt");

QString PdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    return pdftotext.waitForFinished(30000) && pdftotext.exitCode() == 0
               ? QString::fromUtf8(pdftotext.readAllStandardOutput())
               : QString();
}

}  // namespace

TEST(BatchMatchesMenu, WritesTheTextFilesOfTheMenuCommandsForTheSamePilotsFieldsAndSeed)
{
    QTemporaryDir folder;
    const auto path = [&folder](const char* name) { return folder.filePath(QLatin1String(name)); };
    QDir(folder.path()).mkpath(QStringLiteral("batch"));
    QDir(folder.path()).mkpath(QStringLiteral("menu"));

    const KvoraxRun run = RunKvorax({"--import", kContest, "--rounds", "4", "--heats", "5", "--pilots-per-heat", "7",
                                     "--seed", "99", "--export-pilots", path("batch/p.txt"), "--export-matrix",
                                     path("batch/m.txt"), "--export-heats", path("batch/h.txt")});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();

    MenuSession menu;
    menu.Import(kContest);
    menu.Recalculate(QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("7"), 99);
    menu.Export(IDD_EXPORT_PILOTS, ID_EXPORT_PILOTS, path("menu/p.txt"));
    menu.Export(IDD_EXPORT_MATRIX, ID_EXPORT_MATRIX, path("menu/m.txt"));
    menu.Export(IDD_EXPORT_HEATS, ID_EXPORT_HEATS, path("menu/h.txt"));
    ASSERT_TRUE(menu.Host().Messages().isEmpty()) << menu.Host().Messages().join(u'\n').toStdString();
    ASSERT_TRUE(menu.Host().Problems().isEmpty()) << menu.Host().Problems().join(u'\n').toStdString();

    for (const char* file : {"p.txt", "m.txt", "h.txt"}) {
        const QByteArray batch = ReadBytes(folder.filePath(QStringLiteral("batch/") + QLatin1String(file)));
        EXPECT_FALSE(batch.isEmpty()) << file;
        EXPECT_EQ(batch, ReadBytes(folder.filePath(QStringLiteral("menu/") + QLatin1String(file)))) << file;
    }
}

// A PDF file carries the moment it was made, so the printouts are compared
// by what their pages read, page breaks included.
TEST(BatchMatchesMenu, PrintsThePagesOfTheMenuCommandsForTheSamePilotsFieldsAndSeed)
{
    QTemporaryDir folder;
    const auto path = [&folder](const char* name) { return folder.filePath(QLatin1String(name)); };
    const KvoraxRun run = RunKvorax({"--import", kContest, "--rounds", "4", "--heats", "5", "--pilots-per-heat", "7",
                                     "--seed", "99", "--print-matrix", path("batch-m.pdf"), "--print-heats",
                                     path("batch-h.pdf")});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();

    MenuSession menu;
    menu.Import(kContest);
    menu.Recalculate(QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("7"), 99);
    menu.Print(ID_PRINT_MATRIX, path("menu-m.pdf"));
    menu.Print(ID_PRINT_HEAT_CARDS, path("menu-h.pdf"));
    ASSERT_TRUE(menu.Host().Messages().isEmpty()) << menu.Host().Messages().join(u'\n').toStdString();
    ASSERT_TRUE(menu.Host().Problems().isEmpty()) << menu.Host().Problems().join(u'\n').toStdString();

    for (const char* printout : {"m", "h"}) {
        const QString batch = PdfText(folder.filePath(QStringLiteral("batch-%1.pdf").arg(QLatin1String(printout))));
        EXPECT_TRUE(batch.contains(QStringLiteral("Round 04"))) << printout;
        EXPECT_EQ(batch, PdfText(folder.filePath(QStringLiteral("menu-%1.pdf").arg(QLatin1String(printout))))) << printout;
    }
}
