// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <optional>

// The checked reading of one member of a contest file. Reading stops at the
// first fault: the fault travels as a ContestFileFault from where it is found
// to ReadContestFile, which hands its message back as the reading's error.
// A place is where the member sits, as a message begins: "Pilot 3",
// "Round 2, heat 4 of the schedule".

struct ContestFileFault {
    QString message;
};

[[noreturn]] void RefuseContestFile(const QString& message);

// The value of a JSON number when it is a whole number, which 2.0 and 2e0
// are too; nothing for anything else.
std::optional<qint64> WholeNumber(const QJsonValue& value);

QJsonValue RequiredMember(const QJsonObject& object, const char* key, const QString& place);
QJsonObject ObjectMember(const QJsonObject& object, const char* key, const QString& place);
QJsonArray ListMember(const QJsonObject& object, const char* key, const QString& place);
qint64 WholeNumberMember(const QJsonObject& object, const char* key, const QString& place, qint64 lowest,
                         qint64 highest);
// A name of at most maxChars characters, counted as the dialogs count them.
QString TextMember(const QJsonObject& object, const char* key, const QString& place, int maxChars);

// An entry of a list that must be an object or a list.
QJsonObject ObjectEntry(const QJsonValue& value, const QString& place);
QJsonArray ListEntry(const QJsonValue& value, const QString& place);
