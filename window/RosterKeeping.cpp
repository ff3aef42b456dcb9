// SPDX-License-Identifier: GPL-3.0-or-later
// The pilot list lives only in the window until it is exported. Whatever
// would throw it away (closing the window, importing another list) first
// asks when it holds changes that no file has: export them, drop them, or
// stay as it is.

#include "window/CRaceDlg.h"

#include "platform/ModalHost.h"
#include "roster/RosterLine.h"

QStringList RosterLines(std::span<const PilotRecord> pilots)
{
    QStringList lines;
    for (const PilotRecord& pilot : pilots)
        lines << FormatRosterLine(pilot);
    lines.sort();
    return lines;
}

QStringList CRaceDlg::ListedPilotLines() const
{
    return RosterLines(std::span(m_roster).first(size_t(m_rosterCount)));
}

bool CRaceDlg::IsRosterChanged() const
{
    return ListedPilotLines() != m_keptPilotLines;
}

void CRaceDlg::MarkRosterKept()
{
    m_keptPilotLines = ListedPilotLines();
}

// Yes exports the list, and only an export that worked lets the caller go
// on; No lets it go on without one; Cancel stops it.
bool CRaceDlg::MayReplaceRoster(const QString& question)
{
    if (!IsRosterChanged())
        return true;
    const QString changed = tr("The pilot list has changed since it was last imported or exported.");
    switch (Host().ShowMessage(changed + u' ' + question, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: {
        const CommandOutcome saved = ExportPilots();
        ShowOutcome(saved);
        return saved.kind == CommandOutcome::Kind::Done;
    }
    case IDNO:
        return true;
    default:
        return false;
    }
}

// Every way of ending the window comes here: the Exit button and Alt+X as
// the dialog's Cancel, the menu's Exit, the close box, Alt+F4 and the system
// menu's Close as a close request.
void CRaceDlg::OnCancel()
{
    if (!MayReplaceRoster(tr("Do you want to export it before closing? If you answer No, the changes are lost.")))
        return;
    m_balance.Abandon();
    EndDialog(IDCANCEL);
}

void CRaceDlg::OnClose()
{
    OnCancel();
}
