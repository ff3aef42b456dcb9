// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer/StagedFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// The permissions a new file gets from the process's mask, as if the target
// had been created directly; a replaced file keeps its own.
void GivePermissionsOfTarget(const QString& staged, const QString& target)
{
    struct stat existing {};
    mode_t mode = 0;
    if (::stat(QFile::encodeName(target).constData(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::chmod(QFile::encodeName(staged).constData(), mode);
}

} // namespace

bool StagedFile::Begin(const QString& target)
{
    Discard();
    m_beginError = 0;
    const QFileInfo info(target);
    if (info.exists() && !info.isFile())
        return false;
    QTemporaryFile staged(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    staged.setAutoRemove(false);
    errno = 0;
    if (!staged.open()) {
        // The temporary file refuses a folder it may not write in without a
        // system call failing, so no error number means access denied.
        m_beginError = errno != 0 ? errno : EACCES;
        return false;
    }
    m_target = target;
    m_staged = staged.fileName();
    staged.close();
    GivePermissionsOfTarget(m_staged, m_target);
    return true;
}

bool StagedFile::Commit()
{
    if (!IsStaged())
        return false;
    // A rename within one folder replaces the target in one step.
    if (std::rename(QFile::encodeName(m_staged).constData(), QFile::encodeName(m_target).constData()) != 0)
        return false;
    m_staged.clear();
    return true;
}

void StagedFile::Discard()
{
    if (IsStaged())
        QFile::remove(m_staged);
    m_staged.clear();
}

bool ReachesFileSizeLimit(long long bytes)
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return false;
    return bytes >= static_cast<long long>(limit.rlim_cur);
}
