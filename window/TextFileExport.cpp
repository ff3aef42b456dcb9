// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/TextFileExport.h"

#include "platform/CStdioFile.h"
#include "text/TextFileCodec.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace {

constexpr unsigned kWarning = MB_OK | MB_ICONEXCLAMATION;

// The file's error and what it left, as one message: "%1" stands for the error.
CommandOutcome Failure(const CFileException& failure, const QString& message)
{
    return CommandOutcome::Failed(message.arg(failure.ErrorMessage()), kWarning);
}

QString NothingWritten()
{
    return QCoreApplication::translate("TextFileExport", "%1 Nothing was written.");
}

// A device such as a printer port or /dev/full cannot be replaced by a new
// file: it is written directly.
CommandOutcome WriteDirectly(const QString& path, const QString& text)
{
    CStdioFile file;
    CFileException error;
    if (!file.Open(path, CStdioFile::modeCreate | CStdioFile::modeWrite, &error))
        return Failure(error, NothingWritten());
    try {
        file.WriteString(text);
        file.Close();
        return CommandOutcome::Done();
    } catch (const CFileException& failure) {
        file.Abort();
        return Failure(failure, QCoreApplication::translate("TextFileExport", "%1 Not everything could be written."));
    }
}

} // namespace

CommandOutcome ExportTextFile(const QString& path, const QString& text)
{
    const QFileInfo target(path);
    if (target.isDir())
        return Failure(CFileException(CFileException::invalidFile, path), NothingWritten());
    if (target.exists() && !target.isFile())
        return WriteDirectly(path, text);
    QSaveFile file(path);
    errno = 0;
    // The save file refuses a file it may not write without a system call
    // failing, so no error number means access denied.
    if (!file.open(QIODevice::WriteOnly))
        return Failure(CFileException(CFileException::OpenFailureCause(path, errno != 0 ? errno : EACCES), path),
                       NothingWritten());
    const QByteArray bytes = EncodeTextForFile(text);
    errno = 0;
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    const int writeError = errno;
    if (written && file.commit())
        return CommandOutcome::Done();
    const int error = writeError != 0 ? writeError : (errno != 0 ? errno : EIO);
    file.cancelWriting();
    // The save file is dropped whole: a file that was there stays, and where
    // there was none, none is left.
    return Failure(CFileException(CFileException::ErrnoToCause(error), path),
                   target.exists() ? QCoreApplication::translate("TextFileExport", "%1 The file was left as it was.")
                                   : NothingWritten());
}
