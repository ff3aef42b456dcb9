#include "app/KvoraxProcess.h"
#include "app/MenuSession.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString kContest = QStringLiteral(KVORAX_SOURCE_DIR "/examples/contest.txt");

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
