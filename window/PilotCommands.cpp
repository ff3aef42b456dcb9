// SPDX-License-Identifier: GPL-3.0-or-later
// The pilot editing commands. Each changes the pilot list line by line and
// then rebuilds the roster from it; neither the matrix nor the result tree
// changes until the next calculation.

#include "window/CRaceDlg.h"

#include "dialogs/CAddPilotDlg.h"
#include "dialogs/CEditPilotDlg.h"
#include "platform/ModalHost.h"
#include "roster/DuplicateLine.h"
#include "roster/RosterLine.h"

#include <algorithm>

namespace {

QString DuplicatePilotMessage()
{
    return CRaceDlg::tr("This Pilot is already in the list! It will not be added again.");
}

QString RosterFullMessage()
{
    return CRaceDlg::tr("The pilot list already holds %1 pilots, the most a schedule can take. "
                        "No more pilots can be added.")
        .arg(kRosterCapacity);
}

// The line being edited is no duplicate of itself: it may keep its values or
// change only the case of its names.
bool ListHoldsLine(CListBox& list, const QString& line, int editedPosition = LB_ERR)
{
    for (int position = 0; position < list.GetCount(); ++position)
        if (position != editedPosition && IsSameLineIgnoringCase(list.GetText(position), line))
            return true;
    return false;
}

// A channel read from a roster file can be negative; the dialog's field holds
// no sign, so such a pilot is shown without a channel, to be typed anew.
unsigned FrequencyForDialog(int frequency)
{
    return static_cast<unsigned>(std::max(frequency, 0));
}

}  // namespace

// A duplicate is told at once, while "add another" keeps the dialog coming.
CommandOutcome CRaceDlg::AddPilot()
{
    if (std::optional<CommandOutcome> late = OfferLateEntry())
        return *late;
    CAddPilotDlg dialog(Host());
    for (;;) {
        if (m_pilotList.GetCount() >= kRosterCapacity)
            return CommandOutcome::Refused(RosterFullMessage());
        if (dialog.DoModal() != IDOK)
            return CommandOutcome::Cancelled();
        const QString line = FormatRosterLine(dialog.m_lastName, dialog.m_firstName,
                                              static_cast<int>(dialog.m_frequency), dialog.m_team);
        if (ListHoldsLine(m_pilotList, line)) {
            Host().ShowMessage(DuplicatePilotMessage(), MB_OK);
        } else {
            m_pilotList.AddString(line);
            RebuildRoster();
        }
        if (!dialog.m_addAnother)
            return CommandOutcome::Done();
    }
}

CommandOutcome CRaceDlg::DeletePilot()
{
    const int selected = m_pilotList.GetCurSel();
    if (selected == LB_ERR)
        return CommandOutcome::Refused(tr("You must select a pilot from the Pilots List before attempting to delete."));
    m_pilotList.DeleteString(selected);
    RebuildRoster();
    return CommandOutcome::Done();
}

CommandOutcome CRaceDlg::EditPilot()
{
    CEditPilotDlg dialog(Host());
    const int selected = m_pilotList.GetCurSel();
    if (selected == LB_ERR)
        return CommandOutcome::Refused(
            tr("You must select a pilot from the Pilots List before attempting to edit one."));
    int frequency = 0;
    SplitPilotLine(m_pilotList.GetText(selected), dialog.m_lastName, dialog.m_firstName, frequency);
    dialog.m_frequency = FrequencyForDialog(frequency);
    dialog.m_team = ReadRosterLine(m_pilotList.GetText(selected)).team.value_or(QString());
    if (dialog.DoModal() != IDOK)
        return CommandOutcome::Cancelled();
    const QString line = FormatRosterLine(dialog.m_lastName, dialog.m_firstName,
                                          static_cast<int>(dialog.m_frequency), dialog.m_team);
    if (ListHoldsLine(m_pilotList, line, selected))
        return CommandOutcome::Refused(DuplicatePilotMessage());
    m_pilotList.DeleteString(selected);
    // The edited pilot stays the one highlighted and selected, wherever its
    // new line sorts, so Odstranit or another edit acts on it.
    m_pilotList.SetCurSel(m_pilotList.AddString(line));
    RebuildRoster();
    return CommandOutcome::Done();
}
