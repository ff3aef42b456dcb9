// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ContestFileIO.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString CannotOpen(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("ContestFile", "The contest cannot be opened from \"%1\": %2.").arg(path, reason);
}

ContestFileReading Refused(const QString& message)
{
    return {std::nullopt, message};
}

}  // namespace

std::optional<QString> SaveContestFile(const QString& path, const Contest& contest)
{
    const QByteArray bytes = ContestFileBytes(contest);
    const bool existed = QFileInfo::exists(path);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return std::nullopt;
    const QString reason = file.errorString();
    file.cancelWriting();
    // The file beside it is dropped whole: a file that was there stays, and
    // where there was none, none is left.
    if (existed)
        return QCoreApplication::translate("ContestFile",
                                           "The contest cannot be saved to \"%1\": %2. The file was left as it was.")
            .arg(path, reason);
    return QCoreApplication::translate("ContestFile", "The contest cannot be saved to \"%1\": %2. Nothing was written.")
        .arg(path, reason);
}

// A device or a pipe has no size to check beforehand and may never end, so
// only a plain file is read, and never more than the limit and one byte.
ContestFileReading OpenContestFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return Refused(CannotOpen(path, QCoreApplication::translate("ContestFile", "it is not a file")));
    if (info.size() > kMaxContestFileBytes)
        return Refused(CannotOpen(path, QCoreApplication::translate("ContestFile", "it is larger than %1 MiB, far "
                                                                                   "more than any contest takes")
                                            .arg(kMaxContestFileBytes / (1024 * 1024))));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Refused(CannotOpen(path, file.errorString()));
    const QByteArray bytes = file.read(kMaxContestFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return Refused(CannotOpen(path, file.errorString()));
    ContestFileReading reading = ReadContestFile(bytes);
    if (!reading.contest)
        reading.error = QCoreApplication::translate("ContestFile", "The contest cannot be opened from \"%1\". %2")
                            .arg(path, reading.error);
    return reading;
}
