// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchOptions.h"

#include "contest/Contest.h"
#include "platform/DataExchange.h"
#include "text/CharacterCount.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <set>

namespace {

using ValueSetter = std::function<std::optional<BatchArgumentError>(BatchOptions&, const QString&, const QString&)>;
using FlagSetter = std::function<void(BatchOptions&)>;

// One option of the command line: a flag, or an option followed by a value.
// A value setter, given the option's name and value, returns the error when
// it cannot use the value.
struct CommandLineOption {
    const char* name;
    const char* valueName;  // nullptr for a flag
    QString help;
    ValueSetter setValue;
    FlagSetter setFlag;
};

BatchArgumentError Error(const QString& reason)
{
    return BatchArgumentError{reason};
}

ValueSetter Text(QString BatchOptions::*member)
{
    return [member](BatchOptions& options, const QString& name, const QString& value) -> std::optional<BatchArgumentError> {
        if (value.isEmpty())
            return Error(QStringLiteral("The option %1 is given an empty value.").arg(name));
        options.*member = value;
        return std::nullopt;
    };
}

using NumberStore = std::function<void(BatchOptions&, unsigned long long)>;

// A number within the range of its field, refused with the field's own range
// message under the option's name.
ValueSetter Number(long long minValue, long long maxValue, NumberStore store)
{
    return [=](BatchOptions& options, const QString& name, const QString& value) -> std::optional<BatchArgumentError> {
        const std::optional<unsigned long long> number = ParseOptionNumber(value);
        if (!number || *number < static_cast<unsigned long long>(minValue)
            || *number > static_cast<unsigned long long>(maxValue))
            return BatchArgumentError{name + QStringLiteral(": ") + IntegerRangeMessage(minValue, maxValue), false};
        store(options, *number);
        return std::nullopt;
    };
}

// The schedule fields are checked here, before the roster is read, with the
// window's ranges; the font size too, since the font-size dialog opens only
// after the files are written.
template <typename Member>
ValueSetter Field(Member BatchOptions::*member, int minValue, int maxValue)
{
    return Number(minValue, maxValue,
                  [member](BatchOptions& options, unsigned long long number) { options.*member = static_cast<int>(number); });
}

// The contest's name, at most as long as the contest dialog takes it.
ValueSetter ContestName()
{
    return [](BatchOptions& options, const QString& name, const QString& value) -> std::optional<BatchArgumentError> {
        if (CountCharacters(value.trimmed()) > kContestNameChars)
            return BatchArgumentError{QStringLiteral("%1: The contest's name has more than %2 characters.")
                                          .arg(name)
                                          .arg(kContestNameChars),
                                      false};
        options.contestName = value.trimmed();
        return std::nullopt;
    };
}

ValueSetter ContestDate()
{
    return [](BatchOptions& options, const QString& name, const QString& value) -> std::optional<BatchArgumentError> {
        const QDate date = QDate::fromString(value.trimmed(), Qt::ISODate);
        if (!date.isValid())
            return BatchArgumentError{QStringLiteral("%1: \"%2\" is no date of the form YYYY-MM-DD.").arg(name, value),
                                      false};
        options.contestDate = date;
        return std::nullopt;
    };
}

ValueSetter Seed()
{
    return Number(0, std::numeric_limits<unsigned>::max(),
                  [](BatchOptions& options, unsigned long long number) { options.seed = static_cast<unsigned>(number); });
}

// An option's help for a number: what it is, its range and its default.
QString Range(const char* what, int lowest, int highest, int fallback)
{
    return QStringLiteral("%1, %2 to %3 (default %4)").arg(QLatin1String(what)).arg(lowest).arg(highest).arg(fallback);
}

const std::vector<CommandLineOption>& Options()
{
    static const std::vector<CommandLineOption> options = {
        {"--import", "FILE", "import the pilot list from FILE (a batch run needs it or --open)",
         Text(&BatchOptions::importPath), {}},
        {"--open", "FILE", "open the contest file FILE, its schedule included", Text(&BatchOptions::openPath), {}},
        {"--name", "TEXT", "the contest's name (at most 60 characters)", ContestName(), {}},
        {"--date", "YYYY-MM-DD", "the contest's date", ContestDate(), {}},
        {"--rounds", "R", Range("rounds", kMinRounds, kMaxRounds, kDefaultRounds),
         Field(&BatchOptions::rounds, kMinRounds, kMaxRounds), {}},
        {"--heats", "H", Range("heats per round", kMinHeats, kMaxHeats, kDefaultHeats),
         Field(&BatchOptions::heats, kMinHeats, kMaxHeats), {}},
        {"--pilots-per-heat", "P", Range("pilots per heat", kMinPilotsPerHeat, kSlotsPerHeat, kDefaultPilotsPerHeat),
         Field(&BatchOptions::pilotsPerHeat, kMinPilotsPerHeat, kSlotsPerHeat), {}},
        {"--recalculate", nullptr, "draw a new schedule for an opened contest", {},
         [](BatchOptions& options) { options.recalculate = true; }},
        {"--seed", "N", "draw with the seed N instead of the clock, for a repeatable schedule", Seed(), {}},
        {"--balanced", nullptr, "draw a balanced schedule: every pilot meets as many others as possible", {},
         [](BatchOptions& options) { options.balanced = true; }},
        {"--balance-effort", "N",
         Range("how long the balanced draw searches, in multiples of its budget", kMinBalanceEffort, kMaxBalanceEffort,
               kMinBalanceEffort),
         Number(kMinBalanceEffort, kMaxBalanceEffort,
                [](BatchOptions& options, unsigned long long number) { options.balanceEffort = static_cast<int>(number); }),
         {}},
        {"--no-back-to-back", nullptr, "let no pilot fly the last heat of a round and the first of the next", {},
         [](BatchOptions& options) { options.noBackToBack = true; }},
        {"--timekeepers", nullptr, "give every pilot of every heat a timekeeper from the same round", {},
         [](BatchOptions& options) { options.timekeepers = true; }},
        {"--export-pilots", "FILE", "write the pilot list to FILE", Text(&BatchOptions::exportPilotsPath), {}},
        {"--export-matrix", "FILE", "write the matrix as text to FILE", Text(&BatchOptions::exportMatrixPath), {}},
        {"--export-heats", "FILE", "write the heat cards as text to FILE", Text(&BatchOptions::exportHeatsPath), {}},
        {"--export-stats", "FILE", "write how often each pair of pilots meets to FILE as CSV",
         Text(&BatchOptions::exportStatisticsPath), {}},
        {"--export-csv", "FILE", "write the schedule to FILE as CSV, one line per pilot of each heat",
         Text(&BatchOptions::exportCsvPath), {}},
        {"--export-html", "FILE", "write the schedule to FILE as one web page for phones",
         Text(&BatchOptions::exportHtmlPath), {}},
        {"--export-timekeepers", "FILE", "write the heat list with each pilot's team and timekeeper to FILE",
         Text(&BatchOptions::exportTimekeepersPath), {}},
        {"--print-matrix", "FILE.pdf", "print the matrix into the PDF file FILE.pdf (A4)", Text(&BatchOptions::printMatrixPath), {}},
        {"--print-heats", "FILE.pdf", "print the heat cards into the PDF file FILE.pdf (A4)", Text(&BatchOptions::printHeatsPath), {}},
        {"--print-heat-sheets", "FILE.pdf", "print the timekeepers' heat sheets into the PDF file FILE.pdf (A4)",
         Text(&BatchOptions::printHeatSheetsPath), {}},
        {"--print-pilots", "FILE.pdf", "print the registration desk's pilot list into the PDF file FILE.pdf (A4)",
         Text(&BatchOptions::printPilotsPath), {}},
        {"--landscape", nullptr, "print on A4 turned on its side", {},
         [](BatchOptions& options) { options.landscape = true; }},
        {"--font-size", "N",
         Range("base font size of the printouts", kSmallestBaseFontSize, kLargestBaseFontSize, kDefaultBaseFontSize),
         Field(&BatchOptions::fontSize, kSmallestBaseFontSize, kLargestBaseFontSize), {}},
        {"--no-new-column", nullptr, "do not start a new column for each round in the printed matrix", {},
         [](BatchOptions& options) { options.newColumnPerRound = false; }},
        {"--save", "FILE", "save the contest to the contest file FILE, after everything else",
         Text(&BatchOptions::savePath), {}},
        {"--help", nullptr, "show this help and exit", {}, [](BatchOptions& options) { options.help = true; }},
        {"--version", nullptr, "show the program's version and exit", {}, [](BatchOptions& options) { options.version = true; }},
    };
    return options;
}

// The one short option, as most programs take it.
const QLatin1String kShortHelp("-h");
const QLatin1String kHelp("--help");

const CommandLineOption* FindOption(QString name)
{
    if (name == kShortHelp)
        name = kHelp;
    for (const CommandLineOption& option : Options()) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

}  // namespace

std::optional<unsigned long long> ParseOptionNumber(const QString& value)
{
    if (value.size() > kOptionValueChars)
        return std::nullopt;
    QStringView digits = QStringView(value).trimmed();
    if (digits.isEmpty())
        return std::nullopt;
    for (QChar digit : digits) {
        if (digit < u'0' || digit > u'9')
            return std::nullopt;
    }
    unsigned long long number = 0;
    constexpr unsigned long long kLargest = std::numeric_limits<unsigned long long>::max();
    for (QChar digit : digits) {
        const unsigned long long next = static_cast<unsigned long long>(digit.unicode() - u'0');
        number = number > (kLargest - next) / 10 ? kLargest : number * 10 + next;
    }
    return number;
}

std::variant<BatchOptions, BatchArgumentError> ParseBatchArguments(const QStringList& arguments)
{
    BatchOptions options;
    std::set<QString> seen;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        std::optional<QString> attachedValue;
        if (const qsizetype equals = name.indexOf(u'='); name.startsWith(QLatin1String("--")) && equals > 0) {
            attachedValue = name.mid(equals + 1);
            name.truncate(equals);
        }
        if (IsDayOption(name) && !attachedValue) {
            if (std::optional<BatchArgumentError> error = ReadDayOption(arguments, i, options))
                return *error;
            continue;
        }
        const CommandLineOption* option = FindOption(name);
        if (!option)
            return Error(QStringLiteral("Unknown argument \"%1\".").arg(arguments[i]));
        name = QLatin1String(option->name);
        if (!seen.insert(name).second)
            return Error(QStringLiteral("The option %1 is given more than once.").arg(name));
        if (!option->valueName) {
            if (attachedValue)
                return Error(QStringLiteral("The option %1 takes no value.").arg(name));
            option->setFlag(options);
            continue;
        }
        if (!attachedValue && (i + 1 == arguments.size() || arguments[i + 1].startsWith(QLatin1String("--"))))
            return Error(QStringLiteral("The option %1 needs a value %2.").arg(name, QLatin1String(option->valueName)));
        const QString value = attachedValue ? *attachedValue : arguments[++i];
        if (std::optional<BatchArgumentError> error = option->setValue(options, name, value))
            return *error;
    }
    if (!options.importPath.isEmpty() && !options.openPath.isEmpty())
        return Error(QStringLiteral("The options --import and --open cannot be used together."));
    if (!options.help && !options.version && options.importPath.isEmpty() && options.openPath.isEmpty())
        return Error(QStringLiteral("A batch run needs --import FILE with the pilot list, or --open FILE with a contest."));
    if (options.balanceEffort && !options.balanced)
        return Error(QStringLiteral("The option --balance-effort works only with --balanced."));
    if (!options.daySteps.empty() && options.openPath.isEmpty())
        return Error(QStringLiteral("The contest-day options change an opened contest: they need --open FILE."));
    // An opened contest keeps its schedule unless the run draws it again, and
    // a seed nobody draws with would only look as if it had been used.
    if (options.seed && !options.openPath.isEmpty() && !options.Draws() && !options.Redraws())
        return Error(QStringLiteral("The option --seed draws a schedule: with --open it needs --recalculate, --balanced "
                                    "or --redraw-from."));
    return options;
}

bool BatchOptions::Redraws() const
{
    return std::any_of(daySteps.begin(), daySteps.end(), [](const DayStep& step) { return step.kind == DayStep::Kind::Redraw; });
}

bool BatchOptions::Draws() const
{
    if (recalculate || (balanced && !Redraws()))
        return true;
    if (!openPath.isEmpty())
        return false;
    const bool converts = !exportPilotsPath.isEmpty() || !savePath.isEmpty();
    // A seed means nothing but a draw: an import given one is drawn with it,
    // never saved without a schedule as if the seed had been used.
    return NeedsSchedule() || seed.has_value() || !converts;
}

bool BatchOptions::NeedsSchedule() const
{
    return !exportMatrixPath.isEmpty() || !exportHeatsPath.isEmpty() || !exportStatisticsPath.isEmpty()
           || !exportCsvPath.isEmpty() || !exportTimekeepersPath.isEmpty() || !printMatrixPath.isEmpty()
           || !printHeatsPath.isEmpty() || !exportHtmlPath.isEmpty() || !printHeatSheetsPath.isEmpty();
}

QString BatchUsage()
{
    QString usage = QStringLiteral("Usage: kvorax                            opens the window\n"
                                   "       kvorax FILE.kvorax                 opens the window with the contest of FILE.kvorax\n"
                                   "       kvorax --import FILE [OPTION]...   draws the schedule and writes its files, no window\n"
                                   "       kvorax --open FILE [OPTION]...     writes the files of a saved contest, no window\n"
                                   "Options:\n");
    for (const CommandLineOption& option : Options()) {
        QString left = QLatin1String(option.name);
        if (left == kHelp)
            left.prepend(kShortHelp + QLatin1String(", "));
        if (option.valueName)
            left += u' ' + QLatin1String(option.valueName);
        // A name longer than its column puts the help on a line of its own.
        const QString gap = left.size() < 27 ? QString(27 - left.size(), u' ') : u'\n' + QString(29, u' ');
        usage += QStringLiteral("  %1%2%3\n").arg(left, gap, option.help);
    }
    return usage + DayOptionsUsage();
}
