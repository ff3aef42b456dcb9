// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchOptions.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <map>

namespace {

BatchOptions Parsed(const QStringList& arguments)
{
    const auto parsed = ParseBatchArguments(arguments);
    if (const auto* error = std::get_if<BatchArgumentError>(&parsed))
        ADD_FAILURE() << "refused: " << error->reason.toStdString();
    return std::holds_alternative<BatchOptions>(parsed) ? std::get<BatchOptions>(parsed) : BatchOptions{};
}

QString Refusal(const QStringList& arguments)
{
    const auto parsed = ParseBatchArguments(arguments);
    const auto* error = std::get_if<BatchArgumentError>(&parsed);
    return error ? error->reason : QString();
}

}  // namespace

TEST(BatchOptions, LeavesTheFieldsToTheWindowWhenOnlyImportIsGiven)
{
    const BatchOptions options = Parsed({"--import", "contest.txt"});
    EXPECT_EQ(options.importPath, QStringLiteral("contest.txt"));
    EXPECT_FALSE(options.rounds || options.heats || options.pilotsPerHeat);
    EXPECT_FALSE(options.seed.has_value());
    EXPECT_EQ(options.fontSize, 9);
    EXPECT_TRUE(options.newColumnPerRound);
    EXPECT_TRUE(options.exportMatrixPath.isEmpty());
    EXPECT_TRUE(options.printHeatsPath.isEmpty());
}

TEST(BatchOptions, ReadsEveryOptionWithItsValueSeparateOrAttached)
{
    const BatchOptions options = Parsed({"--import=roster.txt", "--rounds", "3", "--heats=2", "--pilots-per-heat", "12",
                                         "--seed", "4294967295", "--export-pilots", "p.txt", "--export-matrix", "m.txt",
                                         "--export-heats", "h.txt", "--print-matrix", "m.pdf", "--print-heats=h.pdf",
                                         "--font-size", "72", "--no-new-column"});
    EXPECT_EQ(options.importPath, QStringLiteral("roster.txt"));
    EXPECT_EQ(options.rounds, 3);
    EXPECT_EQ(options.heats, 2);
    EXPECT_EQ(options.pilotsPerHeat, 12);
    EXPECT_EQ(options.seed, 4294967295u);
    EXPECT_EQ(options.exportPilotsPath, QStringLiteral("p.txt"));
    EXPECT_EQ(options.exportMatrixPath, QStringLiteral("m.txt"));
    EXPECT_EQ(options.exportHeatsPath, QStringLiteral("h.txt"));
    EXPECT_EQ(options.printMatrixPath, QStringLiteral("m.pdf"));
    EXPECT_EQ(options.printHeatsPath, QStringLiteral("h.pdf"));
    EXPECT_EQ(options.fontSize, 72);
    EXPECT_FALSE(options.newColumnPerRound);
}

// Every number option is read one way: digits, blanks around allowed, no
// sign, nothing cut; a refusal names the option and the field's range.
TEST(BatchOptions, ReadsEveryNumberOptionOneWay)
{
    const QString longValue = QStringLiteral("3") + QString(kOptionValueChars - 1, u' ');
    const struct {
        const char* option;
        QString value;
        std::optional<long long> read;  // nothing: refused
    } cases[] = {
        {"--rounds", "25", 25},
        {"--rounds", " 3\t", 3},
        {"--rounds", "007", 7},
        {"--rounds", longValue, 3},
        {"--rounds", longValue + u'x', {}},
        {"--rounds", longValue + u' ', {}},
        {"--rounds", "26", {}},
        {"--rounds", "0", {}},
        {"--rounds", "+3", {}},
        {"--rounds", "-1", {}},
        {"--rounds", "3x", {}},
        {"--rounds", "", {}},
        {"--rounds", "99999999999999999999999", {}},
        {"--heats", "10", 10},
        {"--heats", "11", {}},
        {"--pilots-per-heat", "2", 2},
        {"--pilots-per-heat", "1", {}},
        {"--pilots-per-heat", "13", {}},
        {"--font-size", "8", 8},
        {"--font-size", "73", {}},
        {"--font-size", "nine", {}},
        {"--seed", "0", 0},
        {"--seed", "4294967295", 4294967295LL},
        {"--seed", "4294967296", {}},
        {"--seed", "+5", {}},
        {"--seed", "1.5", {}},
    };
    const std::map<QString, QString> ranges = {{"--rounds", "1 and 25"},     {"--heats", "1 and 10"},
                                               {"--pilots-per-heat", "2 and 12"}, {"--font-size", "8 and 72"},
                                               {"--seed", "0 and 4294967295"}};
    for (const auto& [option, value, read] : cases) {
        const QStringList arguments{"--import", "a.txt", QString::fromLatin1(option), value};
        const std::string label = std::string(option) + " \"" + value.left(20).toStdString() + "\"";
        if (!read) {
            EXPECT_EQ(Refusal(arguments), QStringLiteral("%1: Please enter an integer between %2.")
                                              .arg(QString::fromLatin1(option), ranges.at(QString::fromLatin1(option))))
                << label;
            continue;
        }
        const BatchOptions options = Parsed(arguments);
        const std::map<QString, long long> values = {{"--rounds", options.rounds.value_or(-1)},
                                                     {"--heats", options.heats.value_or(-1)},
                                                     {"--pilots-per-heat", options.pilotsPerHeat.value_or(-1)},
                                                     {"--font-size", options.fontSize},
                                                     {"--seed", options.seed.value_or(-1)}};
        EXPECT_EQ(values.at(QString::fromLatin1(option)), *read) << label;
    }
}

TEST(BatchOptions, HelpAndVersionNeedNoImport)
{
    EXPECT_TRUE(Parsed({"--help"}).help);
    EXPECT_TRUE(Parsed({"-h"}).help);
    EXPECT_TRUE(Parsed({"--version"}).version);
}

TEST(BatchOptions, RefusesARunWithoutImport)
{
    EXPECT_EQ(Refusal({"--rounds", "3"}), QStringLiteral("A batch run needs --import FILE with the pilot list, or --open FILE with a contest."));
}

TEST(BatchOptions, RefusesUnknownRepeatedAndIncompleteOptions)
{
    EXPECT_EQ(Refusal({"--import", "a.txt", "--roundz", "3"}), QStringLiteral("Unknown argument \"--roundz\"."));
    // --round is the round of a --swap, not a misspelt --rounds.
    EXPECT_EQ(Refusal({"--import", "a.txt", "--round", "3"}),
              QStringLiteral("The option --round belongs right after --withdraw, --late, --swap or --move and its value."));
    EXPECT_EQ(Refusal({"a.txt"}), QStringLiteral("Unknown argument \"a.txt\"."));
    EXPECT_EQ(Refusal({"--import", "a.txt", "--import", "b.txt"}),
              QStringLiteral("The option --import is given more than once."));
    EXPECT_EQ(Refusal({"-h", "--help"}), QStringLiteral("The option --help is given more than once."));
    EXPECT_EQ(Refusal({"-h=1"}), QStringLiteral("Unknown argument \"-h=1\"."));
    EXPECT_EQ(Refusal({"--import"}), QStringLiteral("The option --import needs a value FILE."));
    EXPECT_EQ(Refusal({"--import", "--rounds", "3"}), QStringLiteral("The option --import needs a value FILE."));
    EXPECT_EQ(Refusal({"--import="}), QStringLiteral("The option --import is given an empty value."));
    EXPECT_EQ(Refusal({"--import", "a.txt", "--no-new-column=1"}), QStringLiteral("The option --no-new-column takes no value."));
}

TEST(BatchOptions, ReadsTheBalancedDrawAndItsEffortOnlyTogether)
{
    const BatchOptions plain = Parsed({"--import", "a.txt"});
    EXPECT_FALSE(plain.balanced);
    const BatchOptions options = Parsed({"--import", "a.txt", "--balanced", "--balance-effort=10", "--export-stats", "s.csv"});
    EXPECT_TRUE(options.balanced);
    EXPECT_EQ(options.balanceEffort, 10);
    EXPECT_EQ(options.exportStatisticsPath, QStringLiteral("s.csv"));
    for (const char* effort : {"0", "11", "two", "", "1.5"})
        EXPECT_EQ(Refusal({"--import", "a.txt", "--balanced", "--balance-effort", effort}),
                  QStringLiteral("--balance-effort: Please enter an integer between 1 and 10."))
            << effort;
    EXPECT_EQ(Refusal({"--import", "a.txt", "--balance-effort", "3"}),
              QStringLiteral("The option --balance-effort works only with --balanced."));
    const QString seedUnused = QStringLiteral("The option --seed draws a schedule: with --open it needs --recalculate, "
                                              "--balanced or --redraw-from.");
    EXPECT_EQ(Refusal({"--open", "c.kvorax", "--seed", "7", "--export-matrix", "m.txt"}), seedUnused);
    EXPECT_EQ(Refusal({"--open", "c.kvorax", "--seed", "7", "--withdraw", "Novák,Jan", "--from-round", "2"}), seedUnused);
    for (const char* draw : {"--recalculate", "--balanced"})
        EXPECT_EQ(Parsed({"--open", "c.kvorax", "--seed", "7", draw}).seed, 7u) << draw;
    EXPECT_EQ(Parsed({"--open", "c.kvorax", "--seed", "7", "--redraw-from", "2"}).seed, 7u);
}

TEST(BatchOptions, UsageHasOneLinePerOption)
{
    const QString usage = BatchUsage();
    for (const char* option : {"--import FILE", "--rounds R", "--heats H", "--pilots-per-heat P", "--seed N",
                               "--balanced", "--balance-effort N",
                               "--export-pilots FILE", "--export-matrix FILE", "--export-heats FILE", "--export-stats FILE",
                               "--print-matrix FILE.pdf", "--print-heats FILE.pdf", "--font-size N", "--no-new-column",
                               "-h, --help", "--version"})
        EXPECT_EQ(usage.count(QStringLiteral("\n  %1 ").arg(QLatin1String(option))), 1) << option;
    // Every option's help starts in one column, on the option's line or, for
    // a long name, on the line under it.
    const QStringList lines = usage.section(QStringLiteral("Options:\n"), 1).split(u'\n', Qt::SkipEmptyParts);
    const auto helpAt29 = [](const QString& line) { return line.size() > 29 && line[28] == u' ' && line[29] != u' '; };
    for (qsizetype index = 0; index < lines.size(); ++index) {
        if (lines[index].startsWith(QStringLiteral("  -")))
            EXPECT_TRUE(helpAt29(lines[index])
                        || (helpAt29(lines.value(index + 1)) && lines.value(index + 1).left(29).trimmed().isEmpty()))
                << lines[index].toStdString();
    }
}
