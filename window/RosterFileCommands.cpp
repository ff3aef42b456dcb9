// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/CRaceDlg.h"

#include "dialogs/PathDialogs.h"
#include "window/TextFileExport.h"
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
std::variant<QByteArray, CommandOutcome> ReadRosterFileBytes(const QString& path)
{
    CStdioFile file;
    CFileException error;
    if (!file.Open(path, CStdioFile::modeRead, &error))
        return ImportFailure(error);
    try {
        const QByteArray bytes = file.ReadAllBytes();
        file.Close();
        return bytes;
    } catch (const CFileException& failure) {
        file.Abort();
        return ImportFailure(failure);
    }
}

} // namespace

// A file with a line that is no pilot, or that is no text, changes nothing.
// Lines left out of a full roster make the import fail: the pilot list is
// not the file's. The imported pilots replace the contest's; its name, date,
// fields and last schedule stay.
CommandOutcome CRaceDlg::ImportPilots()
{
    if (!MayDropContest())
        return CommandOutcome::Cancelled();
    CImportPilotsDlg dialog(Host());
    if (dialog.DoModal() != IDOK)
        return CommandOutcome::Cancelled();
    const std::variant<QByteArray, CommandOutcome> bytes = ReadRosterFileBytes(dialog.Path());
    if (const auto* failure = std::get_if<CommandOutcome>(&bytes))
        return *failure;
    const RosterFileReading selected = ReadRosterFile(std::get<QByteArray>(bytes));
    if (selected.IsRefused())
        return CommandOutcome::Failed(RefusedRosterFileMessage(dialog.Path(), selected), MB_OK | MB_ICONEXCLAMATION);
    Roster& roster = m_contest.pilots;
    roster.assign(size_t(selected.pilotLines.size()), PilotRecord{});
    for (int position = 0; position < selected.pilotLines.size(); ++position)
        ParsePilotLine(selected.pilotLines[position], roster, position);
    m_pilotList.ResetContent();
    RefillPilotList();
    if (selected.leftOut > 0)
        return CommandOutcome::Failed(LeftOutLinesMessage(dialog.Path(), GetRosterCount(), selected.leftOut));
    return CommandOutcome::Done();
}

CommandOutcome CRaceDlg::ExportPilots()
{
    CExportPilotsDlg dialog(Host());
    dialog.SetAsksBeforeReplacing(m_asksBeforeReplacing);
    if (dialog.DoModal() != IDOK)
        return CommandOutcome::Cancelled();
    return ExportFile(dialog.Path(), RosterFileText(m_contest.pilots));
}
