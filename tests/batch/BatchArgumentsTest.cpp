// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/KvoraxProcess.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(BatchArguments, VersionNamesTheProgramAndItsLicence)
{
    const KvoraxRun run = RunKvorax({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, QStringLiteral("Kvorax v1.06\nLicense: GPL-3.0-or-later\n"));
}

TEST(BatchArguments, HelpListsTheOptionsOnStandardOutput)
{
    const KvoraxRun run = RunKvorax({"-h"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.output.startsWith(QStringLiteral("Usage: kvorax")));
    EXPECT_TRUE(run.output.contains(QStringLiteral("\n  --print-heats FILE.pdf ")));
    EXPECT_TRUE(MessageLines(run.errors).isEmpty()) << run.errors.toStdString();
}

TEST(BatchArguments, UnusableArgumentsGiveStatusTwoAndTheUsage)
{
    for (const QStringList& arguments : {QStringList{"--frobnicate"}, QStringList{"--rounds", "3"},
                                         QStringList{"--import", "a.txt", "--seed"}}) {
        const KvoraxRun run = RunKvorax(arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.errors.contains(QStringLiteral("Usage: kvorax"))) << run.errors.toStdString();
        EXPECT_TRUE(run.output.isEmpty());
    }
}

// A field is checked before the roster is read: its range message, under the
// option's name, and status 2 also when the roster file does not exist.
TEST(BatchArguments, FieldOutsideItsRangeGivesItsMessageAndStatusTwoBeforeTheRosterIsRead)
{
    QTemporaryDir folder;
    const QString roster = folder.filePath(QStringLiteral("roster.txt"));
    WriteBytes(roster, "Novak,Jan,35\n");
    const QString matrix = folder.filePath(QStringLiteral("matrix.txt"));
    for (const QString& importPath : {roster, folder.filePath(QStringLiteral("missing.txt"))}) {
        const KvoraxRun run = RunKvorax({"--import", importPath, "--heats", "11", "--export-matrix", matrix});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(MessageLines(run.errors), QStringList{QStringLiteral("--heats: Please enter an integer between 1 and 10.")});
        EXPECT_FALSE(QFile::exists(matrix));
    }
}

// A path field holds 128 characters; a longer path typed into it would be cut
// and name another file.
TEST(BatchArguments, PathLongerThanItsFieldGivesStatusTwoAndWritesNothing)
{
    QTemporaryDir folder;
    const QString roster = folder.filePath(QStringLiteral("roster.txt"));
    WriteBytes(roster, "Novak,Jan,35\n");
    const QString longPath = folder.filePath(QString(140, u'm') + QStringLiteral(".txt"));
    for (const QStringList& arguments : {QStringList{"--import", longPath}, QStringList{"--import", roster, "--export-matrix", longPath}}) {
        const KvoraxRun run = RunKvorax(arguments);
        EXPECT_EQ(run.status, 2);
        const QStringList messages = MessageLines(run.errors);
        ASSERT_EQ(messages.size(), 1) << run.errors.toStdString();
        EXPECT_TRUE(messages[0].contains(longPath));
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("roster.txt")});
    }
}

// A refusal quotes the argument it refuses; a line break inside that
// argument must not split the message over two lines.
TEST(BatchArguments, RefusalIsOneLineWhateverTheArgumentHolds)
{
    for (const QStringList& arguments : {QStringList{"--import", "a.txt", "roster\nb.txt"},
                                         QStringList{"--import", "a.txt", "roster\r\nb.txt"}}) {
        const KvoraxRun run = RunKvorax(arguments);
        EXPECT_EQ(run.status, 2);
        const QStringList lines = run.errors.split(u'\n');
        ASSERT_GE(lines.size(), 2);
        EXPECT_FALSE(lines[0].contains(u'\r')) << lines[0].toStdString();
        EXPECT_TRUE(lines[0].endsWith(QStringLiteral("\".")));
        EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Usage: kvorax"))) << lines[1].toStdString();
    }
}

// The usage or the version that never reached its reader is a failed write.
TEST(BatchArguments, HelpOrVersionThatCannotBeWrittenGivesStatusOne)
{
    for (const char* option : {"--help", "--version"}) {
        const KvoraxRun run = RunKvorax({QLatin1String(option)}, {.outputFile = QStringLiteral("/dev/full")});
        EXPECT_EQ(run.status, 1) << option;
        EXPECT_EQ(MessageLines(run.errors).size(), 1) << option << ": " << run.errors.toStdString();
    }
}

namespace {

const QString kContest = QStringLiteral(KVORAX_SOURCE_DIR "/examples/contest.txt");

QProcessEnvironment WithoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    return environment;
}

}  // namespace

// A script may run where no display exists, or with a session setting that
// names a display that cannot be reached; a batch run needs none.
TEST(BatchArguments, RunsWithoutADisplayWhateverThePlatformSettingNames)
{
    QProcessEnvironment x11 = WithoutDisplay();
    x11.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const QProcessEnvironment& environment : {WithoutDisplay(), x11}) {
        QTemporaryDir folder;
        const QString matrix = folder.filePath(QStringLiteral("matrix.txt"));
        const KvoraxRun run = RunKvorax({"--import", kContest, "--seed", "1", "--export-matrix", matrix},
                                        {.environment = environment});
        EXPECT_EQ(run.status, 0) << environment.value(QStringLiteral("QT_QPA_PLATFORM")).toStdString();
        EXPECT_TRUE(run.errors.isEmpty()) << run.errors.toStdString();
        EXPECT_TRUE(ReadBytes(matrix).contains("Round 01  Heat 01"));
    }
}

// Without arguments the program opens its window, which needs a display:
// where there is none it says so in one line instead of aborting.
TEST(BatchArguments, NoArgumentsAndNoDisplaySayWhyTheWindowCannotOpen)
{
    const KvoraxRun run = RunKvorax({}, {.environment = WithoutDisplay()});
    EXPECT_EQ(run.status, 1);
    const QStringList lines = MessageLines(run.errors);
    ASSERT_EQ(lines.size(), 1) << run.errors.toStdString();
    EXPECT_TRUE(lines[0].startsWith("Kvorax cannot open its window: no display was found")) << lines[0].toStdString();
}

#ifdef Q_OS_LINUX
// A DISPLAY that names no running server, with the toolkit left to choose or
// told to use X11: the same one line and status as no display, no abort.
TEST(BatchArguments, DisplayThatDoesNotAnswerIsSaidInOneLine)
{
    for (const char* platform : {"", "xcb"}) {
        QProcessEnvironment environment = WithoutDisplay();
        environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":4093"));
        if (*platform)
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QLatin1String(platform));
        const KvoraxRun run = RunKvorax({}, {.environment = environment});
        EXPECT_EQ(run.status, 1) << platform;
        const QStringList lines = MessageLines(run.errors);
        ASSERT_EQ(lines.size(), 1) << run.errors.toStdString();
        EXPECT_EQ(lines[0], "Kvorax cannot open its window: the display \":4093\" that DISPLAY names does not answer. "
                            "Start it from a desktop session, or run it with batch options (kvorax --help).");
    }
}
#endif

// The toolkit reads options of its own, such as -platform NAME, from the
// command line; in a batch run every argument belongs to the program.
TEST(BatchArguments, FileNamedLikeAToolkitOptionIsJustAFile)
{
    QTemporaryDir folder;
    WriteBytes(folder.filePath(QStringLiteral("-platform")), "Novák,Jan,35\n");
    const KvoraxRun run = RunKvorax({"--import", "-platform", "--export-pilots", "pilots.txt"},
                                    {.workingFolder = folder.path()});
    EXPECT_EQ(run.status, 0) << run.errors.toStdString();
    EXPECT_EQ(ReadBytes(folder.filePath(QStringLiteral("pilots.txt"))), QByteArray("Novák,Jan,35\r\n"));
}
