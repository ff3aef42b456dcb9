// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/DayOptions.h"

#include "batch/BatchOptions.h"
#include "matrix/Matrix.h"
#include "roster/PilotRecord.h"

namespace {

BatchArgumentError Error(const QString& reason)
{
    return BatchArgumentError{reason};
}

// "LAST,FIRST" or, for a late entry, "LAST,FIRST,CHANNEL".
std::optional<QStringList> PilotParts(const QString& value, int parts)
{
    QStringList split = value.split(u',');
    if (split.size() != parts || split[0].trimmed().isEmpty())
        return std::nullopt;
    for (QString& part : split)
        part = part.trimmed();
    return split;
}

std::optional<int> RoundNumber(const QString& value)
{
    const std::optional<unsigned long long> number = ParseOptionNumber(value);
    if (!number || *number < 1 || *number > kMaxRounds)
        return std::nullopt;
    return int(*number);
}

// The value after arguments[at]; nothing when there is none.
std::optional<QString> NextValue(const QStringList& arguments, qsizetype& at)
{
    if (at + 1 >= arguments.size() || arguments[at + 1].startsWith(QLatin1String("--")))
        return std::nullopt;
    return arguments[++at];
}

std::optional<BatchArgumentError> ReadRound(const QStringList& arguments, qsizetype& at, const QString& option,
                                            const QString& roundOption, DayStep& step)
{
    if (at + 1 >= arguments.size() || arguments[at + 1] != roundOption)
        return Error(QStringLiteral("The option %1 needs %2 K right after its value.").arg(option, roundOption));
    ++at;
    const std::optional<QString> value = NextValue(arguments, at);
    const std::optional<int> round = value ? RoundNumber(*value) : std::nullopt;
    if (!round)
        return BatchArgumentError{QStringLiteral("%1: a round is a whole number from 1 to %2.").arg(roundOption).arg(kMaxRounds),
                                  false};
    step.round = *round;
    return std::nullopt;
}

// --heat H after a move's round: a heat of the matrix, from 1.
std::optional<BatchArgumentError> ReadHeat(const QStringList& arguments, qsizetype& at, DayStep& step)
{
    if (at + 1 >= arguments.size() || arguments[at + 1] != QLatin1String("--heat"))
        return Error(QStringLiteral("The option --move needs --heat H right after its round."));
    ++at;
    const std::optional<QString> value = NextValue(arguments, at);
    const std::optional<unsigned long long> heat = value ? ParseOptionNumber(*value) : std::nullopt;
    if (!heat || *heat < 1 || *heat > kMaxHeats)
        return BatchArgumentError{QStringLiteral("--heat: a heat is a whole number from 1 to %1.").arg(kMaxHeats), false};
    step.heat = int(*heat);
    return std::nullopt;
}

std::optional<BatchArgumentError> ReadPilot(const QStringList& arguments, qsizetype& at, const QString& option,
                                            int parts, QString& lastName, QString& firstName, int* channel)
{
    const std::optional<QString> value = NextValue(arguments, at);
    const std::optional<QStringList> pilot = value ? PilotParts(*value, parts) : std::nullopt;
    if (!pilot)
        return Error(QStringLiteral("The option %1 needs a pilot written as %2.")
                         .arg(option, parts == 3 ? QStringLiteral("\"LAST,FIRST,CHANNEL\"") : QStringLiteral("\"LAST,FIRST\"")));
    lastName = (*pilot)[0];
    firstName = (*pilot)[1];
    if (channel) {
        const std::optional<unsigned long long> number = ParseOptionNumber((*pilot)[2]);
        if (!number || *number < kLowestChannel || *number > kHighestChannel)
            return BatchArgumentError{QStringLiteral("%1: the channel of %2 %3 is a whole number from %4 to %5.")
                                          .arg(option, lastName, firstName)
                                          .arg(kLowestChannel)
                                          .arg(kHighestChannel),
                                      false};
        *channel = int(*number);
    }
    return std::nullopt;
}

}  // namespace

bool IsDayOption(const QString& name)
{
    return name == QLatin1String("--withdraw") || name == QLatin1String("--late") || name == QLatin1String("--swap")
           || name == QLatin1String("--move") || name == QLatin1String("--redraw-from")
           || name == QLatin1String("--from-round") || name == QLatin1String("--round") || name == QLatin1String("--heat");
}

std::optional<BatchArgumentError> ReadDayOption(const QStringList& arguments, qsizetype& at, BatchOptions& options)
{
    const QString option = arguments[at];
    DayStep step;
    std::optional<BatchArgumentError> error;
    if (option == QLatin1String("--withdraw")) {
        step.kind = DayStep::Kind::Withdraw;
        error = ReadPilot(arguments, at, option, 2, step.lastName, step.firstName, nullptr);
        if (!error)
            error = ReadRound(arguments, at, option, QStringLiteral("--from-round"), step);
    } else if (option == QLatin1String("--late")) {
        step.kind = DayStep::Kind::Late;
        error = ReadPilot(arguments, at, option, 3, step.lastName, step.firstName, &step.channel);
        if (!error)
            error = ReadRound(arguments, at, option, QStringLiteral("--from-round"), step);
    } else if (option == QLatin1String("--swap")) {
        step.kind = DayStep::Kind::Swap;
        error = ReadPilot(arguments, at, option, 2, step.lastName, step.firstName, nullptr);
        if (!error)
            error = ReadPilot(arguments, at, option, 2, step.otherLastName, step.otherFirstName, nullptr);
        if (!error)
            error = ReadRound(arguments, at, option, QStringLiteral("--round"), step);
    } else if (option == QLatin1String("--move")) {
        step.kind = DayStep::Kind::Move;
        error = ReadPilot(arguments, at, option, 2, step.lastName, step.firstName, nullptr);
        if (!error)
            error = ReadRound(arguments, at, option, QStringLiteral("--round"), step);
        if (!error)
            error = ReadHeat(arguments, at, step);
    } else if (option == QLatin1String("--redraw-from")) {
        step.kind = DayStep::Kind::Redraw;
        const std::optional<QString> value = NextValue(arguments, at);
        const std::optional<int> round = value ? RoundNumber(*value) : std::nullopt;
        if (!round)
            return BatchArgumentError{QStringLiteral("--redraw-from: a round is a whole number from 1 to %1.").arg(kMaxRounds),
                                      false};
        step.round = *round;
    } else {
        return Error(QStringLiteral("The option %1 belongs right after --withdraw, --late, --swap or --move and its value.")
                         .arg(option));
    }
    if (error)
        return error;
    options.daySteps.push_back(step);
    return std::nullopt;
}

QString DayOptionsUsage()
{
    const std::pair<const char*, const char*> lines[] = {
        {"--withdraw LAST,FIRST --from-round K", "the pilot flies no round from K on; repeatable, as all below"},
        {"--late LAST,FIRST,CHANNEL --from-round K", "a late entry, seated in every round from K on"},
        {"--swap LAST,FIRST LAST,FIRST --round K", "the two pilots trade heats in round K"},
        {"--move LAST,FIRST --round K --heat H", "the pilot moves to heat H of round K"},
        {"--redraw-from K", "draws the rounds from K on again (balanced with --balanced)"},
    };
    QString usage;
    // Each option's phrase is longer than the other options' column: the
    // help goes on a line of its own, under that column.
    for (const auto& [left, help] : lines)
        usage += QStringLiteral("  %1\n%2%3\n").arg(QLatin1String(left), QString(29, u' '), QLatin1String(help));
    return usage;
}
