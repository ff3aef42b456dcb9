// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CFileException.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

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
