#include "app/TextFileExport.h"

#include "platform/CFileException.h"
#include "platform/CStdioFile.h"
#include "platform/MessageBox.h"
#include "platform/TextFileCodec.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace {

void Report(const CFileException& failure, const QString& consequence)
{
    AfxMessageBox(failure.ErrorMessage() + consequence, MB_OK | MB_ICONEXCLAMATION);
}

// A missing folder and a missing file both come back as "no such entry";
// the organiser needs to know that the folder was mistyped.
CFileException::Cause OpenFailureCause(const QString& path, int error)
{
    if (error == ENOENT && !QFileInfo(path).absoluteDir().exists())
        return CFileException::badPath;
    return CFileException::ErrnoToCause(error == 0 ? EACCES : error);
}

// A device such as a printer port or /dev/full cannot be replaced by a new
// file: it is written directly, as before.
void WriteDirectly(const QString& path, const QString& text)
{
    CStdioFile file;
    CFileException error;
    if (!file.Open(path, CStdioFile::modeCreate | CStdioFile::modeWrite, &error)) {
        Report(error, QStringLiteral(" Nothing was written."));
        return;
    }
    try {
        file.WriteString(text);
        file.Close();
    } catch (const CFileException& failure) {
        file.Abort();
        Report(failure, QStringLiteral(" Not everything could be written."));
    }
}

} // namespace

void ExportTextFile(const QString& path, const QString& text)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        WriteDirectly(path, text);
        return;
    }
    if (target.isDir()) {
        Report(CFileException(CFileException::invalidFile, path), QStringLiteral(" Nothing was written."));
        return;
    }
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        Report(CFileException(OpenFailureCause(path, errno), path), QStringLiteral(" Nothing was written."));
        return;
    }
    const QByteArray bytes = EncodeTextForFile(text);
    errno = 0;
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    const int writeError = errno;
    if (written && file.commit())
        return;
    const int error = writeError != 0 ? writeError : (errno != 0 ? errno : EIO);
    file.cancelWriting();
    Report(CFileException(CFileException::ErrnoToCause(error), path), QStringLiteral(" The file was left as it was."));
}
