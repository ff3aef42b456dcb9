#include "app/TextFileExport.h"

#include "platform/CFileException.h"
#include "platform/CStdioFile.h"

CommandOutcome ExportTextFile(const QString& path, const QString& text)
{
    CStdioFile file;
    CFileException error;
    if (!file.Open(path, CStdioFile::modeCreate | CStdioFile::modeWrite, &error))
        return CommandOutcome::Failed(error.ErrorMessage() + QStringLiteral(" Nothing was written."),
                                      MB_OK | MB_ICONEXCLAMATION);
    try {
        file.WriteString(text);
        file.Close();
        return CommandOutcome::Done();
    } catch (const CFileException& failure) {
        file.Abort();
        const QString consequence = QStringLiteral(" The file holds only what was written before the error.");
        return CommandOutcome::Failed(failure.ErrorMessage() + consequence, MB_OK | MB_ICONEXCLAMATION);
    }
}
