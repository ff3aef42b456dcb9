// SPDX-License-Identifier: GPL-3.0-or-later
// The contest lives only in the window until it is saved. Whatever would
// throw it away (closing the window, a new contest, opening another, an
// import over its pilots) first asks when it holds changes that no file
// has: save them, drop them, or stay as it is.

#include "window/CRaceDlg.h"

#include "platform/ModalHost.h"
#include "res/ResourceIds.h"
#include "roster/RosterLine.h"

#include <QAbstractButton>
#include <QDialog>

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
    return RosterLines(m_contest.pilots);
}

// A field typed but not yet calculated with is a change too: the organiser
// sees it in the window. A field the window has not built yet is none.
bool CRaceDlg::FieldsDifferFromContest() const
{
    const std::pair<int, int> fields[] = {{IDC_ROUNDS, m_contest.fields.rounds},
                                          {IDC_HEATS, m_contest.fields.heats},
                                          {IDC_PILOTS_PER_HEAT, m_contest.fields.pilotsPerHeat}};
    for (const auto& [id, value] : fields) {
        if (GetDlgItem(id) && GetDlgItemText(id).trimmed() != QString::number(value))
            return true;
    }
    const std::pair<int, bool> rules[] = {{IDC_NO_BACK_TO_BACK, m_contest.rules.noBackToBack},
                                          {IDC_TIMEKEEPERS, m_contest.rules.timekeepers}};
    for (const auto& [id, ticked] : rules) {
        const auto* box = qobject_cast<const QAbstractButton*>(GetDlgItem(id));
        if (box && box->isChecked() != ticked)
            return true;
    }
    return false;
}

bool CRaceDlg::IsContestChanged() const
{
    return m_contest != m_keptContest || FieldsDifferFromContest();
}

void CRaceDlg::MarkContestKept(const QString& path)
{
    m_keptContest = m_contest;
    m_contestPath = path;
    m_history.setClean();
    RefreshTitle();
}

// Yes saves the contest, and only a save that worked lets the caller go on;
// No lets it go on without one; Cancel stops it.
bool CRaceDlg::MayDropContest()
{
    if (!IsContestChanged())
        return true;
    switch (Host().ShowMessage(tr("Save the changes to the contest first?"), MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: {
        const CommandOutcome saved = SaveContest();
        ShowOutcome(saved);
        return saved.kind == CommandOutcome::Kind::Done;
    }
    case IDNO:
        return true;
    default:
        return false;
    }
}

// "Name – Kvorax", with the desktop's mark of unsaved changes while the
// contest has any.
void CRaceDlg::RefreshTitle()
{
    QDialog* window = Window();
    if (!window)
        return;
    const QString program = QStringLiteral("Kvorax[*]");
    window->setWindowTitle(m_contest.name.isEmpty() ? program : m_contest.name + QStringLiteral(" – ") + program);
    window->setWindowModified(IsContestChanged());
}

// Every way of ending the window comes here: the Exit button and Alt+X as
// the dialog's Cancel, the menu's Exit, the close box, Alt+F4 and the system
// menu's Close as a close request.
void CRaceDlg::OnCancel()
{
    if (!MayDropContest())
        return;
    m_balance.Abandon();
    EndDialog(IDCANCEL);
}

void CRaceDlg::OnClose()
{
    OnCancel();
}
