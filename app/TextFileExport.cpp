#include "app/TextFileExport.h"

#include "platform/CFileException.h"
#include "platform/CStdioFile.h"
#include "platform/MessageBox.h"

void ExportTextFile(const QString& path, const QString& text)
{
    CStdioFile file;
    CFileException error;
    if (!file.Open(path, CStdioFile::modeCreate | CStdioFile::modeWrite, &error)) {
        AfxMessageBox(error.ErrorMessage() + QStringLiteral(" Nothing was written."), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    try {
        file.WriteString(text);
        file.Close();
    } catch (const CFileException& failure) {
        file.Abort();
        const QString consequence = QStringLiteral(" The file holds only what was written before the error.");
        AfxMessageBox(failure.ErrorMessage() + consequence, MB_OK | MB_ICONEXCLAMATION);
    }
}
