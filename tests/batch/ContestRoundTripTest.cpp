// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/KvoraxProcess.h"
#include "support/MenuSession.h"
#include "support/QtPrinters.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

const QString kContest = QStringLiteral(KVORAX_SOURCE_DIR "/examples/contest.txt");
const char* const kExports[] = {"p.txt", "m.txt", "h.txt", "s.csv"};

// The four exports of a run, into files named side-p.txt and so on.
QStringList ExportOptions(const QTemporaryDir& folder, const QString& side)
{
    const auto path = [&](const char* file) { return folder.filePath(side + u'-' + QLatin1String(file)); };
    return {"--export-pilots", path("p.txt"), "--export-matrix", path("m.txt"),
            "--export-heats",  path("h.txt"), "--export-csv",    path("s.csv")};
}

void ExpectSameExports(const QTemporaryDir& folder, const QString& one, const QString& other, const char* draw)
{
    for (const char* file : kExports) {
        const QByteArray first = ReadBytes(folder.filePath(one + u'-' + QLatin1String(file)));
        EXPECT_FALSE(first.isEmpty()) << draw << ' ' << file;
        EXPECT_EQ(first, ReadBytes(folder.filePath(other + u'-' + QLatin1String(file)))) << draw << ' ' << file;
    }
}

}  // namespace

// A contest drawn and saved by one run, opened by the next, and changed and
// saved again in the window, writes the same files from each.
TEST(ContestRoundTrip, SavedContestWritesTheSameFilesWhenReopenedByTheWindowOrABatchRun)
{
    QTemporaryDir folder;
    for (const bool balanced : {false, true}) {
        const char* draw = balanced ? "balanced" : "random";
        const auto side = [draw](const char* name) { return QLatin1String(draw) + u'-' + QLatin1String(name); };
        const QString contestFile = folder.filePath(QLatin1String(draw) + QStringLiteral(".kvorax"));
        QStringList drawing = {"--import", kContest, "--rounds", "4", "--heats", "5", "--pilots-per-heat", "7",
                               "--seed", "31", "--name", "Jarní pohár", "--date", "2027-04-17", "--save", contestFile};
        if (balanced)
            drawing << "--balanced";
        const KvoraxRun first = RunKvorax(drawing + ExportOptions(folder, side("drawn")));
        ASSERT_EQ(first.status, 0) << first.errors.toStdString();
        const KvoraxRun reopened = RunKvorax(QStringList{"--open", contestFile} + ExportOptions(folder, side("reopened")));
        ASSERT_EQ(reopened.status, 0) << reopened.errors.toStdString();
        ExpectSameExports(folder, side("drawn"), side("reopened"), draw);

        // The window opens it, renames it, adds a pilot and takes him out
        // again (which leaves the pilots in the list's order, no longer the
        // file's), and saves; the window's files and a batch run's of the
        // saved contest agree again.
        MenuSession menu;
        menu.OpenContest(contestFile);
        menu.RenameContest(QStringLiteral("Letní pohár"));
        menu.AddPilot(QStringLiteral("Zeman"), QStringLiteral("Petr"), QStringLiteral("59"));
        menu.DeletePilot(QStringLiteral("Zeman,Petr,59"));
        menu.Run(ID_SAVE_CONTEST);
        menu.Export(IDD_EXPORT_PILOTS, ID_EXPORT_PILOTS, folder.filePath(side("edited") + "-p.txt"));
        menu.Export(IDD_EXPORT_MATRIX, ID_EXPORT_MATRIX, folder.filePath(side("edited") + "-m.txt"));
        menu.Export(IDD_EXPORT_HEATS, ID_EXPORT_HEATS, folder.filePath(side("edited") + "-h.txt"));
        menu.Export(IDD_EXPORT_SCHEDULE_CSV, ID_EXPORT_SCHEDULE_CSV, folder.filePath(side("edited") + "-s.csv"));
        ASSERT_TRUE(menu.Host().Problems().isEmpty()) << menu.Host().Problems().join(u'\n').toStdString();
        EXPECT_TRUE(menu.Host().Messages().isEmpty()) << menu.Host().Messages().join(u'\n').toStdString();
        EXPECT_NE(ReadBytes(folder.filePath(side("edited") + "-p.txt")), ReadBytes(folder.filePath(side("drawn") + "-p.txt")));
        EXPECT_EQ(ReadBytes(folder.filePath(side("edited") + "-m.txt")), ReadBytes(folder.filePath(side("drawn") + "-m.txt")));

        const KvoraxRun afterEdit = RunKvorax(QStringList{"--open", contestFile} + ExportOptions(folder, side("batch")));
        ASSERT_EQ(afterEdit.status, 0) << afterEdit.errors.toStdString();
        ExpectSameExports(folder, side("edited"), side("batch"), draw);
    }
}

// Only a run that needs a schedule draws one: a conversion of a pilot list
// into a contest file keeps none, and an opened contest keeps its own.
TEST(ContestRoundTrip, ConversionDrawsNothingAndOpenKeepsTheSavedSchedule)
{
    QTemporaryDir folder;
    const QString converted = folder.filePath("converted.kvorax");
    ASSERT_EQ(RunKvorax({"--import", kContest, "--save", converted}).status, 0);
    const QJsonObject file = QJsonDocument::fromJson(ReadBytes(converted)).object();
    EXPECT_TRUE(file.value("schedule").isNull());
    EXPECT_EQ(file.value("pilots").toArray().size(), 30);

    const KvoraxRun noSchedule = RunKvorax({"--open", converted, "--export-matrix", folder.filePath("m.txt")});
    EXPECT_EQ(noSchedule.status, 1);
    EXPECT_FALSE(QFile::exists(folder.filePath("m.txt")));

    const QString drawn = folder.filePath("drawn.kvorax");
    ASSERT_EQ(RunKvorax({"--open", converted, "--recalculate", "--seed", "5", "--save", drawn}).status, 0);
    const QByteArray saved = ReadBytes(drawn);
    ASSERT_EQ(RunKvorax({"--open", drawn, "--save", drawn}).status, 0);
    EXPECT_EQ(ReadBytes(drawn), saved);
    // A seed asks for a draw: the import is saved with the schedule it gives.
    const QString seeded = folder.filePath("seeded.kvorax");
    ASSERT_EQ(RunKvorax({"--import", kContest, "--seed", "5", "--save", seeded}).status, 0);
    EXPECT_EQ(QJsonDocument::fromJson(ReadBytes(seeded))["schedule"], QJsonDocument::fromJson(saved)["schedule"]);

    // A contest saved with a pilot added after its draw is written out only
    // once drawn again: the window would ask, a batch run says why.
    const QString stale = folder.filePath("stale.kvorax");
    MenuSession menu;
    menu.OpenContest(drawn);
    menu.AddPilot(QStringLiteral("Zeman"), QStringLiteral("Petr"), QStringLiteral("59"));
    menu.SaveContestAs(stale);
    const QString matrix = folder.filePath("stale-m.txt");
    const KvoraxRun refused = RunKvorax({"--open", stale, "--export-pilots", folder.filePath("p.txt"), "--export-matrix", matrix});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.errors.startsWith(QStringLiteral("The pilot list has changed since the matrix was calculated, so")))
        << refused.errors.toStdString();
    EXPECT_FALSE(QFile::exists(matrix));
    EXPECT_EQ(RunKvorax({"--open", stale, "--recalculate", "--export-matrix", matrix}).status, 0);

    const KvoraxRun both = RunKvorax({"--open", drawn, "--import", kContest});
    EXPECT_EQ(both.status, 2);
    EXPECT_TRUE(both.errors.startsWith(QStringLiteral("The options --import and --open cannot be used together.")))
        << both.errors.toStdString();
}
