#include "app/BatchOptions.h"

#include <functional>
#include <set>

namespace {

using ValueSetter = std::function<std::optional<QString>(BatchOptions&, const QString&)>;
using FlagSetter = std::function<void(BatchOptions&)>;

// One option of the command line: a flag, or an option followed by a value.
// A value setter returns the reason when it cannot use the value.
struct CommandLineOption {
    const char* name;
    const char* valueName;  // nullptr for a flag
    QString help;
    ValueSetter setValue;
    FlagSetter setFlag;
};

ValueSetter Text(QString BatchOptions::*member)
{
    return [member](BatchOptions& options, const QString& value) -> std::optional<QString> {
        if (value.isEmpty())
            return QStringLiteral("is given an empty value");
        options.*member = value;
        return std::nullopt;
    };
}

std::optional<QString> SetSeed(BatchOptions& options, const QString& value)
{
    bool ok = false;
    const unsigned seed = value.toUInt(&ok);
    if (!ok || value.startsWith(u'+'))
        return QStringLiteral("needs a whole number from 0 to 4294967295, not \"%1\"").arg(value);
    options.seed = seed;
    return std::nullopt;
}

// The font size is checked here rather than in the font-size dialog, which
// opens only after the files are written: a mistyped size must stop the run
// before anything is done.
std::optional<QString> SetFontSize(BatchOptions& options, const QString& value)
{
    bool ok = false;
    const int size = value.toInt(&ok);
    if (!ok || size < kSmallestBaseFontSize || size > kLargestBaseFontSize)
        return QStringLiteral("needs a whole number from %1 to %2, not \"%3\"").arg(kSmallestBaseFontSize).arg(kLargestBaseFontSize).arg(value);
    options.fontSize = size;
    return std::nullopt;
}

std::optional<QString> SetBalanceEffort(BatchOptions& options, const QString& value)
{
    bool ok = false;
    const int effort = value.toInt(&ok);
    if (!ok || effort < kMinBalanceEffort || effort > kMaxBalanceEffort)
        return QStringLiteral("needs a whole number from %1 to %2, not \"%3\"").arg(kMinBalanceEffort).arg(kMaxBalanceEffort).arg(value);
    options.balanceEffort = effort;
    return std::nullopt;
}

// An option's help for a number: what it is, its range and its default.
QString Range(const char* what, int lowest, int highest, int fallback)
{
    return QStringLiteral("%1, %2 to %3 (default %4)").arg(QLatin1String(what)).arg(lowest).arg(highest).arg(fallback);
}

const std::vector<CommandLineOption>& Options()
{
    static const std::vector<CommandLineOption> options = {
        {"--import", "FILE", "import the pilot list from FILE (needed for a batch run)", Text(&BatchOptions::importPath), {}},
        {"--rounds", "R", Range("rounds", kMinRounds, kMaxRounds, kDefaultRounds), Text(&BatchOptions::rounds), {}},
        {"--heats", "H", Range("heats per round", kMinHeats, kMaxHeats, kDefaultHeats), Text(&BatchOptions::heats), {}},
        {"--pilots-per-heat", "P", Range("pilots per heat", kMinPilotsPerHeat, kSlotsPerHeat, kDefaultPilotsPerHeat),
         Text(&BatchOptions::pilotsPerHeat), {}},
        {"--seed", "N", "draw with the seed N instead of the clock, for a repeatable schedule", SetSeed, {}},
        {"--balanced", nullptr, "draw a balanced schedule: every pilot meets as many others as possible", {},
         [](BatchOptions& options) { options.balanced = true; }},
        {"--balance-effort", "N",
         Range("how long the balanced draw searches, in multiples of its budget", kMinBalanceEffort, kMaxBalanceEffort,
               kMinBalanceEffort),
         SetBalanceEffort, {}},
        {"--export-pilots", "FILE", "write the pilot list to FILE", Text(&BatchOptions::exportPilotsPath), {}},
        {"--export-matrix", "FILE", "write the matrix as text to FILE", Text(&BatchOptions::exportMatrixPath), {}},
        {"--export-heats", "FILE", "write the heat cards as text to FILE", Text(&BatchOptions::exportHeatsPath), {}},
        {"--export-stats", "FILE", "write how often each pair of pilots meets to FILE as CSV",
         Text(&BatchOptions::exportStatisticsPath), {}},
        {"--print-matrix", "FILE.pdf", "print the matrix into the PDF file FILE.pdf (A4)", Text(&BatchOptions::printMatrixPath), {}},
        {"--print-heats", "FILE.pdf", "print the heat cards into the PDF file FILE.pdf (A4)", Text(&BatchOptions::printHeatsPath), {}},
        {"--font-size", "N",
         Range("base font size of the printouts", kSmallestBaseFontSize, kLargestBaseFontSize, kDefaultBaseFontSize),
         SetFontSize, {}},
        {"--no-new-column", nullptr, "do not start a new column for each round in the printed matrix", {},
         [](BatchOptions& options) { options.newColumnPerRound = false; }},
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

BatchArgumentError Error(const QString& reason)
{
    return BatchArgumentError{reason};
}

}  // namespace

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
        if (const std::optional<QString> reason = option->setValue(options, value))
            return Error(QStringLiteral("The option %1 %2.").arg(name, *reason));
    }
    if (!options.help && !options.version && options.importPath.isEmpty())
        return Error(QStringLiteral("A batch run needs --import FILE with the pilot list."));
    if (options.balanceEffort && !options.balanced)
        return Error(QStringLiteral("The option --balance-effort works only with --balanced."));
    return options;
}

QString BatchUsage()
{
    QString usage = QStringLiteral("Usage: kvorax                            opens the window\n"
                                   "       kvorax --import FILE [OPTION]...   draws the schedule and writes its files, no window\n"
                                   "Options:\n");
    for (const CommandLineOption& option : Options()) {
        QString left = QLatin1String(option.name);
        if (left == kHelp)
            left.prepend(kShortHelp + QLatin1String(", "));
        if (option.valueName)
            left += u' ' + QLatin1String(option.valueName);
        usage += QStringLiteral("  %1 %2\n").arg(left, -26).arg(option.help);
    }
    return usage;
}
