// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/KvoraxProcess.h"
#include "support/MenuSession.h"
#include "support/QtPrinters.h"

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

// The text files must match byte for byte. A PDF file carries the moment it
// was made, so the printouts are compared by what their pages read.
TEST(BatchMatchesMenu, WritesAndPrintsWhatTheMenuCommandsDoForTheSamePilotsFieldsAndSeed)
{
    QTemporaryDir folder;
    const auto path = [&folder](const QString& side, const char* file) {
        return folder.filePath(side + u'-' + QLatin1String(file));
    };
    const QString batch = QStringLiteral("batch");
    const KvoraxRun run = RunKvorax({"--import", kContest, "--rounds", "4", "--heats", "5", "--pilots-per-heat", "7",
                                     "--seed", "99", "--export-pilots", path(batch, "p.txt"), "--export-matrix",
                                     path(batch, "m.txt"), "--export-heats", path(batch, "h.txt"), "--print-matrix",
                                     path(batch, "m.pdf"), "--print-heats", path(batch, "h.pdf")});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();

    const QString window = QStringLiteral("menu");
    MenuSession menu;
    menu.Import(kContest);
    menu.Recalculate(QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("7"), 99);
    menu.Export(IDD_EXPORT_PILOTS, ID_EXPORT_PILOTS, path(window, "p.txt"));
    menu.Export(IDD_EXPORT_MATRIX, ID_EXPORT_MATRIX, path(window, "m.txt"));
    menu.Export(IDD_EXPORT_HEATS, ID_EXPORT_HEATS, path(window, "h.txt"));
    menu.Print(ID_PRINT_MATRIX, path(window, "m.pdf"));
    menu.Print(ID_PRINT_HEAT_CARDS, path(window, "h.pdf"));
    ASSERT_TRUE(menu.Host().Messages().isEmpty()) << menu.Host().Messages().join(u'\n').toStdString();
    ASSERT_TRUE(menu.Host().Problems().isEmpty()) << menu.Host().Problems().join(u'\n').toStdString();

    for (const char* file : {"p.txt", "m.txt", "h.txt"}) {
        EXPECT_FALSE(ReadBytes(path(batch, file)).isEmpty()) << file;
        EXPECT_EQ(ReadBytes(path(batch, file)), ReadBytes(path(window, file))) << file;
    }
    for (const char* file : {"m.pdf", "h.pdf"}) {
        EXPECT_TRUE(PdfText(path(batch, file)).contains(QStringLiteral("Round 04"))) << file;
        EXPECT_EQ(PdfText(path(batch, file)), PdfText(path(window, file))) << file;
    }
}
