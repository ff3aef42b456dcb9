#include "app/CRaceDlg.h"

#include "app/PathDialogs.h"
#include "app/TextFileExport.h"
#include "platform/CFileException.h"
#include "platform/CStdioFile.h"
#include "roster/RosterFile.h"

#include <span>
#include <variant>

namespace {

CommandOutcome ImportFailure(const CFileException& error)
{
    return CommandOutcome::Failed(CRaceDlg::tr("%1 The pilot list was not changed.").arg(error.ErrorMessage()),
                                  MB_OK | MB_ICONEXCLAMATION);
}

// The whole file, or the failure when it could not be read: a file that
// fails half-way must not replace the pilots the organiser has.
std::variant<QStringList, CommandOutcome> ReadRosterFile(const QString& path)
{
    CStdioFile file;
    CFileException error;
    if (!file.Open(path, CStdioFile::modeRead, &error))
        return ImportFailure(error);
    try {
        QStringList lines;
        QString line;
        while (file.ReadString(line))
            lines << line;
        file.Close();
        return lines;
    } catch (const CFileException& failure) {
        file.Abort();
        return ImportFailure(failure);
    }
}

} // namespace

// Lines left out of a full roster make the import fail: the pilot list is
// not the file's.
CommandOutcome CRaceDlg::ImportPilots()
{
    CImportPilotsDlg dialog;
    if (dialog.DoModal() != IDOK)
        return CommandOutcome::Cancelled();
    const std::variant<QStringList, CommandOutcome> fileLines = ReadRosterFile(dialog.Path());
    if (const auto* failure = std::get_if<CommandOutcome>(&fileLines))
        return *failure;
    const RosterFileLines selected = SelectPilotLines(std::get<QStringList>(fileLines));
    m_roster.fill(PilotRecord{});
    m_rosterCount = 0;
    for (const QString& line : selected.pilotLines)
        ParsePilotLine(line, m_roster, m_rosterCount++);
    m_pilotList.ResetContent();
    RefillPilotList();
    if (selected.leftOut > 0)
        return CommandOutcome::Failed(LeftOutLinesMessage(dialog.Path(), m_rosterCount, selected.leftOut));
    return CommandOutcome::Done();
}

CommandOutcome CRaceDlg::ExportPilots()
{
    CExportPilotsDlg dialog;
    if (dialog.DoModal() != IDOK)
        return CommandOutcome::Cancelled();
    return ExportTextFile(dialog.Path(), RosterFileText(std::span(m_roster).first(size_t(m_rosterCount))));
}
