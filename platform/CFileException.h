// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// A failed file operation: what went wrong (the cause) and on which file. A
// failed open fills one of these in place of raising it; reads, writes and
// closes raise it.
class CFileException {
    Q_DECLARE_TR_FUNCTIONS(CFileException)

public:
    enum Cause {
        none = 0,
        genericException = 1,
        fileNotFound = 2,
        badPath = 3,
        tooManyOpenFiles = 4,
        accessDenied = 5,
        invalidFile = 6,
        hardIO = 10,
        sharingViolation = 11,
        diskFull = 13,
        tooLarge = 15,  // more than a text file of the program can be
        fileSizeLimit = 16,  // the size limit set for the process's files
    };

    CFileException() = default;
    CFileException(Cause cause, const QString& fileName);

    Cause GetCause() const { return m_cause; }

    // One sentence for a message box that names the file and the cause.
    QString ErrorMessage() const;

    // The cause that a C runtime error number stands for; no number at all
    // is an unexpected error, never "none".
    static Cause ErrnoToCause(int error);
    // The cause of a failed open: a missing file and a missing folder both
    // come back as "no such entry", and the user needs to know which of the
    // two was mistyped.
    static Cause OpenFailureCause(const QString& path, int error);

private:
    Cause m_cause = none;
    QString m_fileName;
};
