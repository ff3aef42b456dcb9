// SPDX-License-Identifier: GPL-3.0-or-later
// The roster and the pilot list hold the same pilots. Whoever changed them
// last decides the direction: after an edit of the list the roster is rebuilt
// from it, after a file import the list is refilled from the roster. Each
// line carries the position of its record as item data, so a line always
// finds its own record, also among pilots of equal names.

#include "window/CRaceDlg.h"

#include "res/ResourceIds.h"
#include "roster/RosterLine.h"

#include <algorithm>

void CRaceDlg::ParsePilotLine(const QString& line, Roster& roster, int position)
{
    PilotRecord& pilot = roster[size_t(position)];
    ApplyRosterLine(ReadRosterLine(line), pilot);
    pilot.index = position;
}

void CRaceDlg::SplitPilotLine(const QString& text, QString& lastName, QString& firstName, int& frequency)
{
    const RosterLineFields fields = ReadRosterLine(text);
    lastName = fields.lastName.value_or(lastName);
    firstName = fields.firstName.value_or(firstName);
    frequency = fields.frequency.value_or(frequency);
}

// The roster takes the list's order. It holds at most kRosterCapacity pilots;
// the add command refuses more, so the list never shows pilots it lacks.
void CRaceDlg::RebuildRoster()
{
    const int count = std::min(m_pilotList.GetCount(), kRosterCapacity);
    Roster& roster = m_contest.pilots;
    roster.assign(size_t(count), PilotRecord{});
    for (int line = 0; line < count; ++line) {
        ParsePilotLine(m_pilotList.GetText(line), roster, line);
        m_pilotList.SetItemData(line, line);
    }
    ShowPilotCount();
    ShowResultState();
}

void CRaceDlg::RefillPilotList()
{
    if (!m_contest.pilots.empty()) {
        m_pilotList.ResetContent();
        for (int position = 0; position < GetRosterCount(); ++position) {
            const int line = m_pilotList.AddString(FormatRosterLine(m_contest.pilots[size_t(position)]));
            m_pilotList.SetItemData(line, position);
        }
    }
    ShowPilotCount();
    ShowResultState();
}
