#pragma once

#include <QString>

constexpr unsigned OFN_OVERWRITEPROMPT = 0x0002;  // a save dialog asks before replacing a file
constexpr unsigned OFN_HIDEREADONLY = 0x0004;     // no "open as read-only" check box

// The system's dialog for choosing a file to open or to save, run through the
// current modal host. Its path name is the chosen file's full path, or the
// initial file name when the user cancelled.
class CFileDialog {
public:
    CFileDialog(bool openFileDialog, const QString& defaultExtension, const QString& fileName,
                unsigned flags, const QString& filter);

    int DoModal();
    QString GetPathName() const { return m_pathName; }

private:
    bool m_openFileDialog;
    QString m_defaultExtension;
    QString m_fileName;
    unsigned m_flags;
    QString m_filter;
    QString m_pathName;
};
