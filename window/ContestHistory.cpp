// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo. Every menu command that changes the contest leaves one step
// in the window's history: the contest before and after it, whole (a contest
// is small, and a copy cannot miss a piece of it). The step is named after
// the command, as its menu item reads in the window's language. A new or
// opened contest starts a history of its own.

#include "window/CRaceDlg.h"

#include "res/ResourceIds.h"

#include <QUndoCommand>
#include <functional>

namespace {

class ContestChange : public QUndoCommand {
public:
    using Show = std::function<void(const Contest&)>;

    ContestChange(Contest before, Contest after, int commandId, Show show)
        : m_before(std::move(before)), m_after(std::move(after)), m_commandId(commandId), m_show(std::move(show))
    {
    }

    int id() const override { return -1; }  // steps are never merged
    int CommandId() const { return m_commandId; }

    // The change is already made when the step is recorded.
    void redo() override
    {
        if (m_made)
            m_show(m_after);
        m_made = true;
    }
    void undo() override { m_show(m_before); }

private:
    Contest m_before;
    Contest m_after;
    int m_commandId;
    Show m_show;
    bool m_made = false;
};

// The commands whose own history is none: the history's own, and those that
// put another contest in the window.
bool StartsOrWalksTheHistory(int commandId)
{
    return commandId == ID_UNDO || commandId == ID_REDO || commandId == ID_NEW_CONTEST
           || commandId == ID_OPEN_CONTEST
           || (commandId >= ID_RECENT_CONTEST_FIRST && commandId < ID_RECENT_CONTEST_FIRST + kRecentContestCount);
}

}  // namespace

void CRaceDlg::RecordChange(const Contest& before, int commandId)
{
    if (StartsOrWalksTheHistory(commandId) || before == m_contest)
        return;
    m_history.push(new ContestChange(before, m_contest, commandId, [this](const Contest& contest) {
        m_contest = contest;
        ShowContest();
    }));
    ShowHistoryItems();
}

void CRaceDlg::StartHistory()
{
    m_history.clear();
    ShowHistoryItems();
}

CommandOutcome CRaceDlg::Undo()
{
    if (!m_history.canUndo())
        return CommandOutcome::Cancelled();
    m_history.undo();
    ShowHistoryItems();
    return CommandOutcome::Done();
}

CommandOutcome CRaceDlg::Redo()
{
    if (!m_history.canRedo())
        return CommandOutcome::Cancelled();
    m_history.redo();
    ShowHistoryItems();
    return CommandOutcome::Done();
}

// "Zpět: Přepočítat" while there is a step to undo; the plain item, disabled,
// while there is none.
void CRaceDlg::ShowHistoryItems()
{
    const auto stepName = [this](int index) {
        const auto* step = static_cast<const ContestChange*>(m_history.command(index));
        return ChangeName(step->CommandId());
    };
    const int next = m_history.index();
    const bool canUndo = m_history.canUndo();
    const bool canRedo = m_history.canRedo();
    SetMenuItem(ID_UNDO, canUndo ? tr("&Zpět: %1").arg(stepName(next - 1)) : TemplateText(QStringLiteral("&Zpět")), true);
    SetMenuItem(ID_REDO, canRedo ? tr("Z&novu: %1").arg(stepName(next)) : TemplateText(QStringLiteral("Z&novu")), true);
    EnableMenuItem(ID_UNDO, canUndo);
    EnableMenuItem(ID_REDO, canRedo);
}

// A command is named as its menu item reads, without the access key and the
// dots of an item that opens a dialog; leaving the heats field, which changes
// the fields, a double click, which edits a pilot, and a drop in the heat
// grid as what they do.
QString CRaceDlg::ChangeName(int commandId) const
{
    if (commandId == IDC_PILOT_LIST)
        commandId = ID_EDIT_PILOT;
    QString name = commandId == IDC_HEATS       ? tr("Heaty")
                   : commandId == IDC_HEAT_GRID ? tr("Změna v mřížce heatů")
                                                : MenuItemText(commandId);
    name.remove(u'&');
    name.remove(u'…');
    return name.trimmed();
}
