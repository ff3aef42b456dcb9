// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contest/Contest.h"

#include <QString>
#include <optional>

// The changes a contest day makes to a drawn schedule: a pilot goes home, a
// pilot arrives late, two pilots swap heats, a pilot moves to another heat.
// Each takes the contest and gives the changed one, or the reason it cannot
// be done as one sentence naming the pilot and the heat; the contest handed
// in is never touched. Every round a change touches keeps the round rules
// (HeatRules.h: the heats' and, where the schedule keeps it, no
// back-to-back), and only a move makes heat sizes uneven. A schedule with
// timekeepers keeps those of the rounds before the change's first round and
// is timed afresh from it on (Timekeepers.h); a change that leaves some
// pilot with nobody free to time it is refused.
//
// Pilots are counted by their position in the schedule's pilot list, rounds
// and heats from 0, but a "from round" the way the organiser says it, from 1.

struct ContestDayChange {
    std::optional<Contest> contest;  // the changed contest, or nothing
    QString reason;                  // why not, when nothing
};

// The pilot's seats from round fromRound on are left empty (the heats close
// up), the rounds before stay as flown, and the pilot stays on the lists,
// marked as withdrawn from that round.
ContestDayChange WithdrawPilot(const Contest& contest, int pilot, int fromRound);

// The pilot joins the lists, marked as late from round fromRound, and is
// seated in every round from there: in the smallest heat that has a place
// within the pilots per heat and keeps the rules (the earlier heat of two as
// small). Refused when some round has no such heat.
ContestDayChange EnterLatePilot(const Contest& contest, const PilotRecord& pilot, int fromRound);

// A late entry refused because some round has no heat for the pilot: the
// contest with the pilot listed and seated (and timed) in the rounds before
// that one, and that round, counted from 1, from which a redraw with the
// pilot among the pilots seats them. Nothing when the entry is taken or
// refused for another reason.
struct UnseatedLateEntry {
    Contest contest;
    int round = 0;
};
std::optional<UnseatedLateEntry> LateEntryWithoutAHeat(const Contest& contest, const PilotRecord& pilot, int fromRound);

// The two pilots of round `round` trade heats.
ContestDayChange SwapPilots(const Contest& contest, int round, int one, int other);

// The pilot leaves its heat of round `round` for `heat`, which must have a
// place within the pilots per heat.
ContestDayChange MovePilot(const Contest& contest, int round, int pilot, int heat);

// Seats a pilot of the schedule's list, who flies none of these rounds yet,
// in every round from fromRound on as a late entry is seated. The reason when
// some round has no heat for the pilot; the contest is then half changed, so
// callers work on a copy.
std::optional<QString> SeatFromRound(Contest& contest, int pilot, int fromRound);

// Times the rounds from fromRound on afresh where the schedule has
// timekeepers, the earlier rounds keeping theirs; the reason when some pilot
// there has nobody free to time it (the contest is then as it was).
std::optional<QString> RetimeFromRound(Contest& contest, int fromRound);

// Evens out the heat sizes of every round from fromRound on after
// withdrawals: within each round it moves pilots from the largest heat to
// the smallest until no two heats differ by more than one, one pilot a move,
// so no round takes more moves than its sizes need. A round where no move
// keeps the rules stays as it is. `moves` counts the pilots moved. The
// timekeepers are assigned once, after the moves; where nobody would be
// free to time some pilot, the contest stays as it was.
Contest EvenOutHeats(const Contest& contest, int fromRound, int* moves = nullptr);

// A fresh draw of the whole schedule seats every pilot in every round: the
// day's withdrawals and late entries no longer hold, and a schedule drawn
// with them would break the file's rules.
void ClearContestDayMarks(std::vector<PilotRecord>& pilots);

// The position in the schedule's pilot list of the pilot of that name, if any.
std::optional<int> ScheduledPilotNamed(const Contest& contest, const QString& lastName, const QString& firstName);

// Where the pilot sits in a round: its heat, or nothing when it does not fly it.
std::optional<int> HeatOfPilot(const Contest& contest, int round, int pilot);
