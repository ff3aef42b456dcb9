// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ContestFileMembers.h"

#include "text/CharacterCount.h"

#include <QCoreApplication>
#include <cmath>

namespace {

// Whole numbers beyond this lose their last digits as JSON numbers.
constexpr double kLargestExactNumber = 9007199254740992.0;

QString Key(const char* key)
{
    return QString::fromLatin1(key);
}

}  // namespace

void RefuseContestFile(const QString& message)
{
    throw ContestFileFault{message};
}

std::optional<qint64> WholeNumber(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (std::floor(number) != number || std::fabs(number) > kLargestExactNumber)
        return std::nullopt;
    return static_cast<qint64>(number);
}

QJsonValue RequiredMember(const QJsonObject& object, const char* key, const QString& place)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: \"%2\" is missing.").arg(place, Key(key)));
    return value;
}

QJsonObject ObjectMember(const QJsonObject& object, const char* key, const QString& place)
{
    const QJsonValue value = RequiredMember(object, key, place);
    if (!value.isObject())
        RefuseContestFile(
            QCoreApplication::translate("ContestFile", "%1: \"%2\" must be an object.").arg(place, Key(key)));
    return value.toObject();
}

QJsonArray ListMember(const QJsonObject& object, const char* key, const QString& place)
{
    const QJsonValue value = RequiredMember(object, key, place);
    if (!value.isArray())
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: \"%2\" must be a list.").arg(place, Key(key)));
    return value.toArray();
}

qint64 WholeNumberMember(const QJsonObject& object, const char* key, const QString& place, qint64 lowest,
                         qint64 highest)
{
    const std::optional<qint64> number = WholeNumber(RequiredMember(object, key, place));
    if (!number || *number < lowest || *number > highest)
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: \"%2\" must be a whole number from %3 to %4.")
                              .arg(place, Key(key), QString::number(lowest), QString::number(highest)));
    return *number;
}

QString TextMember(const QJsonObject& object, const char* key, const QString& place, int maxChars)
{
    const QJsonValue value = RequiredMember(object, key, place);
    if (!value.isString())
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: \"%2\" must be a text.").arg(place, Key(key)));
    const QString text = value.toString();
    // Half of a character outside the basic plane cannot be written as UTF-8,
    // so such a name would not survive the next save.
    if (!text.isValidUtf16())
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: \"%2\" holds half of a character.")
                              .arg(place, Key(key)));
    if (CountCharacters(text) > maxChars)
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1: \"%2\" is longer than %3 characters.")
                              .arg(place, Key(key), QString::number(maxChars)));
    return text;
}

QJsonObject ObjectEntry(const QJsonValue& value, const QString& place)
{
    if (!value.isObject())
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1 must be an object.").arg(place));
    return value.toObject();
}

QJsonArray ListEntry(const QJsonValue& value, const QString& place)
{
    if (!value.isArray())
        RefuseContestFile(QCoreApplication::translate("ContestFile", "%1 must be a list.").arg(place));
    return value.toArray();
}
