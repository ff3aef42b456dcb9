// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

constexpr int kRosterCapacity = 100;
constexpr int kFirstNameChars = 20;
constexpr int kLastNameChars = 30;
constexpr int kTeamChars = 20;

// The channels a pilot may fly on, in the dialogs, a roster file and a
// contest file alike.
constexpr int kLowestChannel = 10;
constexpr int kHighestChannel = 80;

// One pilot of the roster. A record read from a roster line is cut to the
// name capacities above, counted in characters (Šťastný is seven).
struct PilotRecord {
    int index = 0;  // the record's own position in the roster
    QString firstName;
    QString lastName;
    int frequency = 0;  // the radio channel the pilot flies on
    QString team{};     // empty for a pilot flying for no team; team mates never share a heat
    // On the contest day, rounds counted from 1, 0 for none: the pilot flies
    // no round from withdrawnFromRound on, and none before lateFromRound.
    int withdrawnFromRound = 0;
    int lateFromRound = 0;

    // Whether the pilot flies the round (counted from 0).
    bool FliesInRound(int round) const { return (withdrawnFromRound == 0 || round < withdrawnFromRound - 1) && round >= lateFromRound - 1; }

    bool operator==(const PilotRecord&) const = default;
};
