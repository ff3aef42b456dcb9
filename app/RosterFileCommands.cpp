#include "app/CRaceDlg.h"

#include "app/PathDialogs.h"
#include "app/TextFileExport.h"
#include "platform/CFileException.h"
#include "platform/CStdioFile.h"
#include "platform/MessageBox.h"
#include "roster/RosterFile.h"

#include <optional>
#include <span>

namespace {

void ShowImportFailure(const CFileException& error)
{
    AfxMessageBox(error.ErrorMessage() + QStringLiteral(" The pilot list was not changed."),
                  MB_OK | MB_ICONEXCLAMATION);
}

// The whole file, or nothing when it could not be read: a file that fails
// half-way must not replace the pilots the organiser has.
std::optional<QStringList> ReadRosterFile(const QString& path)
{
    CStdioFile file;
    CFileException error;
    if (!file.Open(path, CStdioFile::modeRead, &error)) {
        ShowImportFailure(error);
        return std::nullopt;
    }
    try {
        QStringList lines;
        QString line;
        while (file.ReadString(line))
            lines << line;
        file.Close();
        return lines;
    } catch (const CFileException& failure) {
        file.Abort();
        ShowImportFailure(failure);
        return std::nullopt;
    }
}

} // namespace

void CRaceDlg::OnImportPilots()
{
    CImportPilotsDlg dialog;
    if (dialog.DoModal() != IDOK)
        return;
    const std::optional<QStringList> fileLines = ReadRosterFile(dialog.Path());
    if (!fileLines)
        return;
    const RosterFileLines selected = SelectPilotLines(*fileLines);
    m_roster.fill(PilotRecord{});
    m_rosterCount = 0;
    for (const QString& line : selected.pilotLines)
        ParsePilotLine(line, m_roster, m_rosterCount++);
    m_pilotList.ResetContent();
    RefillPilotList();
    if (selected.leftOut > 0)
        AfxMessageBox(LeftOutLinesMessage(dialog.Path(), m_rosterCount, selected.leftOut), MB_OK);
}

void CRaceDlg::OnExportPilots()
{
    CExportPilotsDlg dialog;
    if (dialog.DoModal() != IDOK)
        return;
    ExportTextFile(dialog.Path(), RosterFileText(std::span(m_roster).first(size_t(m_rosterCount))));
}
