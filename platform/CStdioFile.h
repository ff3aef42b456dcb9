// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <cstdio>

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

// A file read whole or a text file written piece by piece (see
// text/TextFileCodec.h for its bytes). A failed open is returned as false and
// described in the caller's exception object; a failing read, write or close
// raises a CFileException.
class CStdioFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeCreate = 0x1000,  // with modeWrite: a new file, or an existing one emptied
    };

    CStdioFile() = default;
    ~CStdioFile();
    CStdioFile(const CStdioFile&) = delete;
    CStdioFile& operator=(const CStdioFile&) = delete;

    bool Open(const QString& path, unsigned flags, CFileException* error = nullptr);
    // The rest of the file as it lies on the disk, for the caller to decode.
    QByteArray ReadAllBytes();
    void WriteString(const QString& text);
    // Writes out what is buffered and closes; does nothing when not open.
    void Close();
    // Closes without raising, for use after an error.
    void Abort();

private:
    [[noreturn]] void Raise(int osError) const;

    std::FILE* m_file = nullptr;
    QString m_path;
    bool m_atFileStart = false;
};
