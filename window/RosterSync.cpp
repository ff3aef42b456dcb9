// SPDX-License-Identifier: GPL-3.0-or-later
// The roster and the pilot list hold the same pilots. Whoever changed them
// last decides the direction: after an edit of the list the roster is rebuilt
// from it, after a file import the list is refilled from the roster. Each
// line carries the position of its record as item data, so a line always
// finds its own record, also among pilots of equal names.

#include "window/CRaceDlg.h"

#include "res/ResourceIds.h"
#include "roster/RosterLine.h"

void CRaceDlg::ParsePilotLine(const QString& line, Roster& roster, int position)
{
    PilotRecord& pilot = roster[position];
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
    m_roster.fill(PilotRecord{});
    m_rosterCount = 0;
    for (int line = 0; line < m_pilotList.GetCount() && m_rosterCount < kRosterCapacity; ++line) {
        ParsePilotLine(m_pilotList.GetText(line), m_roster, m_rosterCount);
        m_pilotList.SetItemData(line, m_rosterCount);
        ++m_rosterCount;
    }
    ShowPilotCount();
    ShowResultState();
}

void CRaceDlg::RefillPilotList()
{
    if (m_rosterCount > 0) {
        m_pilotList.ResetContent();
        for (int position = 0; position < m_rosterCount; ++position) {
            const int line = m_pilotList.AddString(FormatRosterLine(m_roster[position]));
            m_pilotList.SetItemData(line, position);
        }
    }
    ShowPilotCount();
    ShowResultState();
}
