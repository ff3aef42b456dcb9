// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>

class CFileException;

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
