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
#include <utility>

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
// the add command refuses more, so the list never shows pilots it lacks. A
// pilot's line holds no contest-day marks: a line of a pilot already in the
// roster keeps the marks of its record.
void CRaceDlg::RebuildRoster()
{
    const int count = std::min(m_pilotList.GetCount(), kRosterCapacity);
    const Roster previous = std::exchange(m_contest.pilots, Roster(size_t(count)));
    Roster& roster = m_contest.pilots;
    for (int line = 0; line < count; ++line) {
        ParsePilotLine(m_pilotList.GetText(line), roster, line);
        const int was = m_pilotList.GetItemData(line);
        if (was >= 0 && was < int(previous.size())) {
            roster[size_t(line)].withdrawnFromRound = previous[size_t(was)].withdrawnFromRound;
            roster[size_t(line)].lateFromRound = previous[size_t(was)].lateFromRound;
        }
        m_pilotList.SetItemData(line, line);
        ShowPilotCells(line, roster[size_t(line)]);
    }
    ShowNoteColumn();
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
        for (int line = 0; line < m_pilotList.GetCount(); ++line)
            ShowPilotCells(line, m_contest.pilots[size_t(m_pilotList.GetItemData(line))]);
    }
    ShowNoteColumn();
    ShowPilotCount();
    ShowResultState();
}

void CRaceDlg::ShowPilotColumns()
{
    m_pilotList.SetColumns({tr("Last name"), tr("First name"), tr("Channel"), tr("Team"), tr("Note")});
    for (int line = 0; line < m_pilotList.GetCount(); ++line) {
        const int position = m_pilotList.GetItemData(line);
        if (position >= 0 && position < GetRosterCount())
            ShowPilotCells(line, m_contest.pilots[size_t(position)]);
    }
}

// The last column says which rounds a pilot of the contest day flies; it is
// shown once some pilot has withdrawn or entered late.
void CRaceDlg::ShowNoteColumn()
{
    const auto marked = [](const PilotRecord& pilot) { return pilot.withdrawnFromRound > 0 || pilot.lateFromRound > 0; };
    m_pilotList.ShowColumn(4, std::ranges::any_of(m_contest.pilots, marked));
}

void CRaceDlg::ShowPilotCells(int line, const PilotRecord& pilot)
{
    m_pilotList.SetCell(line, 0, pilot.lastName);
    m_pilotList.SetCell(line, 1, pilot.firstName);
    m_pilotList.SetCell(line, 2, QString::number(pilot.frequency), pilot.frequency);
    m_pilotList.SetCell(line, 3, pilot.team);
    QString flies;
    if (pilot.withdrawnFromRound > 0)
        flies = tr("withdrawn from round %1").arg(pilot.withdrawnFromRound);
    else if (pilot.lateFromRound > 0)
        flies = tr("from round %1").arg(pilot.lateFromRound);
    m_pilotList.SetCell(line, 4, flies, pilot.withdrawnFromRound > 0 ? -pilot.withdrawnFromRound : pilot.lateFromRound);
}
