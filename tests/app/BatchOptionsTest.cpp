#include "app/BatchOptions.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

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

TEST(BatchOptions, KeepsTheFieldDefaultsOfTheWindowWhenOnlyImportIsGiven)
{
    const BatchOptions options = Parsed({"--import", "contest.txt"});
    EXPECT_EQ(options.importPath, QStringLiteral("contest.txt"));
    EXPECT_EQ(options.rounds, QStringLiteral("6"));
    EXPECT_EQ(options.heats, QStringLiteral("6"));
    EXPECT_EQ(options.pilotsPerHeat, QStringLiteral("8"));
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
    EXPECT_EQ(options.rounds, QStringLiteral("3"));
    EXPECT_EQ(options.heats, QStringLiteral("2"));
    EXPECT_EQ(options.pilotsPerHeat, QStringLiteral("12"));
    EXPECT_EQ(options.seed, 4294967295u);
    EXPECT_EQ(options.exportPilotsPath, QStringLiteral("p.txt"));
    EXPECT_EQ(options.exportMatrixPath, QStringLiteral("m.txt"));
    EXPECT_EQ(options.exportHeatsPath, QStringLiteral("h.txt"));
    EXPECT_EQ(options.printMatrixPath, QStringLiteral("m.pdf"));
    EXPECT_EQ(options.printHeatsPath, QStringLiteral("h.pdf"));
    EXPECT_EQ(options.fontSize, 72);
    EXPECT_FALSE(options.newColumnPerRound);
}

// The fields are judged by the window, with its own messages, so any text
// passes here untouched.
TEST(BatchOptions, HandsTheFieldsOnAsTyped)
{
    const BatchOptions options = Parsed({"--import", "a.txt", "--rounds", "26", "--heats", "x", "--pilots-per-heat", "-1"});
    EXPECT_EQ(options.rounds, QStringLiteral("26"));
    EXPECT_EQ(options.heats, QStringLiteral("x"));
    EXPECT_EQ(options.pilotsPerHeat, QStringLiteral("-1"));
}

TEST(BatchOptions, HelpAndVersionNeedNoImport)
{
    EXPECT_TRUE(Parsed({"--help"}).help);
    EXPECT_TRUE(Parsed({"-h"}).help);
    EXPECT_TRUE(Parsed({"--version"}).version);
}

TEST(BatchOptions, RefusesARunWithoutImport)
{
    EXPECT_EQ(Refusal({"--rounds", "3"}), QStringLiteral("A batch run needs --import FILE with the pilot list."));
}

TEST(BatchOptions, RefusesUnknownRepeatedAndIncompleteOptions)
{
    EXPECT_EQ(Refusal({"--import", "a.txt", "--round", "3"}), QStringLiteral("Unknown argument \"--round\"."));
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

TEST(BatchOptions, RefusesASeedThatIsNotAnUnsignedNumber)
{
    for (const char* seed : {"-1", "+5", "4294967296", "12a", "1.5"})
        EXPECT_TRUE(Refusal({"--import", "a.txt", "--seed", seed}).startsWith(QStringLiteral("The option --seed needs")))
            << seed;
    EXPECT_EQ(Parsed({"--import", "a.txt", "--seed", "0"}).seed, 0u);
}

TEST(BatchOptions, RefusesAFontSizeOutsideEightToSeventyTwo)
{
    for (const char* size : {"7", "73", "nine", ""})
        EXPECT_TRUE(Refusal({"--import", "a.txt", "--font-size", size}).startsWith(QStringLiteral("The option --font-size needs")))
            << size;
    EXPECT_EQ(Parsed({"--import", "a.txt", "--font-size", "8"}).fontSize, 8);
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
        EXPECT_TRUE(Refusal({"--import", "a.txt", "--balanced", "--balance-effort", effort})
                        .startsWith(QStringLiteral("The option --balance-effort needs a whole number from 1 to 10")))
            << effort;
    EXPECT_EQ(Refusal({"--import", "a.txt", "--balance-effort", "3"}),
              QStringLiteral("The option --balance-effort works only with --balanced."));
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
}
