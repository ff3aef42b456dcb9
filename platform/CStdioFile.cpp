// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CStdioFile.h"

#include "text/TextFileCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cassert>
#include <cerrno>
#include <filesystem>

namespace {

const char* FopenMode(unsigned flags)
{
    if (flags & CStdioFile::modeCreate)
        return "wb";
    if (flags & CStdioFile::modeWrite)
        return "r+b";
    return "rb";
}

// Only a plain file is read: a device like /dev/zero never ends and a pipe
// blocks until someone writes to it. A pipe is not written either; a device
// is, so a printer port or /dev/full behave as they should.
bool IsOpenable(const QString& path, unsigned flags)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(QFile::encodeName(path).toStdString(), error);
    if (error || status.type() == std::filesystem::file_type::not_found)
        return true;  // the open itself reports what is wrong
    if (status.type() == std::filesystem::file_type::directory || status.type() == std::filesystem::file_type::fifo
        || status.type() == std::filesystem::file_type::socket)
        return false;
    const bool reading = (flags & (CStdioFile::modeWrite | CStdioFile::modeCreate)) == 0;
    return !reading || status.type() == std::filesystem::file_type::regular;
}

// Text files read whole are small; a file far beyond this limit is not one
// of them, and reading it whole would only exhaust the memory.
constexpr qsizetype kMaxReadBytes = 64 * 1024 * 1024;

} // namespace

CFileException::CFileException(Cause cause, const QString& fileName)
    : m_cause(cause), m_fileName(fileName)
{
}

QString CFileException::ErrorMessage() const
{
    const QString file = QStringLiteral("\"%1\"").arg(m_fileName);
    switch (m_cause) {
    case fileNotFound:
        return tr("The file %1 does not exist.").arg(file);
    case badPath:
        return tr("The folder of %1 does not exist, or the path is not valid.").arg(file);
    case tooManyOpenFiles:
        return tr("Too many files are open to open %1.").arg(file);
    case accessDenied:
        return tr("Access to %1 was denied.").arg(file);
    case invalidFile:
        return tr("%1 is a folder or a device, not a file.").arg(file);
    case hardIO:
        return tr("A device error occurred while reading or writing %1.").arg(file);
    case sharingViolation:
        return tr("%1 is in use by another program.").arg(file);
    case diskFull:
        return tr("The disk is full: %1 could not be written completely.").arg(file);
    case fileSizeLimit:
        return tr("%1 could not be written completely: it would pass the size limit set for this program's files "
                  "(ulimit -f).")
            .arg(file);
    case tooLarge:
        return tr("%1 is too large to be a text file of this program.").arg(file);
    case none:
    case genericException:
        break;
    }
    return tr("An unexpected error occurred while accessing %1.").arg(file);
}

CFileException::Cause CFileException::ErrnoToCause(int error)
{
    switch (error) {
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
        return accessDenied;
    case EISDIR:
    case ENXIO:
    case ENODEV:
        return invalidFile;
    case EIO:
        return hardIO;
    case EBUSY:
    case ETXTBSY:
        return sharingViolation;
    case ENOSPC:
    case EDQUOT:
        return diskFull;
    case EFBIG:
        return fileSizeLimit;
    default:
        return genericException;
    }
}

CFileException::Cause CFileException::OpenFailureCause(const QString& path, int error)
{
    if (error == ENOENT && !QFileInfo(path).absoluteDir().exists())
        return badPath;
    return ErrnoToCause(error);
}

CStdioFile::~CStdioFile()
{
    Abort();
}

bool CStdioFile::Open(const QString& path, unsigned flags, CFileException* error)
{
    Abort();
    m_path = path;
    // A folder opens for reading on some systems and fails only at the first
    // read; refuse it here so that the caller hears of it at the open.
    if (!IsOpenable(path, flags)) {
        if (error)
            *error = CFileException(CFileException::invalidFile, path);
        return false;
    }
    errno = 0;
    m_file = std::fopen(QFile::encodeName(path).constData(), FopenMode(flags));
    m_atFileStart = (flags & modeCreate) != 0;
    if (m_file)
        return true;
    const int osError = errno;
    if (error)
        *error = CFileException(CFileException::OpenFailureCause(path, osError), path);
    return false;
}

void CStdioFile::WriteString(const QString& text)
{
    assert(m_file && "WriteString on a file that is not open");
    const QByteArray bytes = EncodeTextForFile(text, m_atFileStart);
    m_atFileStart = m_atFileStart && text.isEmpty();
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_file) != size_t(bytes.size()))
        Raise(errno);
}

void CStdioFile::Close()
{
    if (!m_file)
        return;
    std::FILE* file = m_file;
    m_file = nullptr;
    errno = 0;
    if (std::fclose(file) != 0)
        Raise(errno);
}

void CStdioFile::Abort()
{
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
}

QByteArray CStdioFile::ReadAllBytes()
{
    assert(m_file && "ReadAllBytes on a file that is not open");
    QByteArray bytes;
    char buffer[65536];
    size_t count = 0;
    errno = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, m_file)) > 0) {
        bytes.append(buffer, qsizetype(count));
        if (bytes.size() > kMaxReadBytes)
            throw CFileException(CFileException::tooLarge, m_path);
    }
    if (std::ferror(m_file))
        Raise(errno);
    return bytes;
}

void CStdioFile::Raise(int osError) const
{
    throw CFileException(CFileException::ErrnoToCause(osError), m_path);
}
