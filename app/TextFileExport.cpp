#include "app/TextFileExport.h"

#include "platform/CFileException.h"
#include "platform/CStdioFile.h"

#include <QCoreApplication>

CommandOutcome ExportTextFile(const QString& path, const QString& text)
{
    CStdioFile file;
    CFileException error;
    if (!file.Open(path, CStdioFile::modeCreate | CStdioFile::modeWrite, &error))
        return CommandOutcome::Failed(
            QCoreApplication::translate("TextFileExport", "%1 Nothing was written.").arg(error.ErrorMessage()),
            MB_OK | MB_ICONEXCLAMATION);
    try {
        file.WriteString(text);
        file.Close();
        return CommandOutcome::Done();
    } catch (const CFileException& failure) {
        file.Abort();
        const QString message = QCoreApplication::translate(
            "TextFileExport", "%1 The file holds only what was written before the error.");
        return CommandOutcome::Failed(message.arg(failure.ErrorMessage()), MB_OK | MB_ICONEXCLAMATION);
    }
}
