// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/MeetingFigures.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

// The balanced draw's working schedule: pilots are numbered 0..n-1, each
// round seats them in heats of fixed sizes, and a pair-count table says how
// often each two pilots meet. A move swaps two pilots of one round between
// their heats; its effect on the figures is computed from the two pilots'
// table rows and the two heats alone, O(pilots per heat).
//
// Pairs that may not share a heat are a table of their own: channel mates
// from the start, and any further pair a rule forbids (Forbid). A kept round
// (a round already flown) is seated like any other, but no search moves a
// pilot in it (IsKept). A round flown before a redraw is kept as it was flown
// (SeatKeptRound): its heats may be of other sizes, and pilots who did not
// fly it (late entries) sit in none of its heats; it counts for the meetings.
class BalanceState {
public:
    // channels: a channel number per pilot; heatSizes: the seats of each heat
    // in every round the search seats.
    BalanceState(std::vector<int> channels, int rounds, std::vector<int> heatSizes);

    int Pilots() const { return m_pilots; }
    int Rounds() const { return m_rounds; }
    int Heats() const { return static_cast<int>(m_sizes.size()); }
    int HeatSize(int heat) const { return m_sizes[heat]; }
    int HeatOf(int round, int pilot) const { return m_heatOf[Index(round, pilot)]; }
    int Channel(int pilot) const { return m_channels[pilot]; }
    // The pilot has someone it may not share a heat with.
    bool HasMates(int pilot) const { return m_hasMates[pilot] != 0; }
    bool IsForbidden(int one, int other) const { return m_forbidden[size_t(one) * m_pilots + other] != 0; }
    bool IsKept(int round) const { return m_kept[round] != 0; }
    // The rounds a search may change, in order.
    const std::vector<int>& FreeRounds() const { return m_freeRounds; }
    std::span<const int> Members(int round, int heat) const
    {
        return {&m_members[Seat(round, heat, 0)], static_cast<size_t>(m_filled[size_t(round) * Heats() + heat])};
    }
    int Meetings(int one, int other) const { return m_counts[size_t(one) * m_pilots + other]; }
    const MeetingFigures& Figures() const { return m_figures; }

    // Before any round is seated: two pilots who may never share a heat
    // (team mates), beside the channel mates.
    void Forbid(int one, int other);
    // A round no search may change.
    void KeepRound(int round);
    // Before any round is seated: no pilot may fly the last heat of a round
    // and the first heat of the next.
    void ForbidBackToBack() { m_noBackToBack = true; }
    // Seating the pilot in this heat of the round would put it in the last
    // heat of one round and the first of the next; rounds not yet seated
    // break nothing.
    bool BreaksBackToBack(int round, int pilot, int heat) const
    {
        return m_noBackToBack && BreaksBackToBackBeside(round, pilot, heat);
    }

    // Seats a whole round: heatOf[pilot] for every pilot, filling each heat
    // exactly. Rounds are seated once, before any move.
    void SeatRound(int round, std::span<const int> heatOf);
    // Seats a round as it was flown and keeps it: heatOf[pilot] is the
    // pilot's heat, or -1 where the pilot did not fly the round. Its heats
    // have no Members; they count for the meetings alone.
    void SeatKeptRound(int round, std::span<const int> heatOf);
    bool IsSeated() const;

    // The figures after swapping two pilots of different heats of one round.
    MeetingFigures FiguresAfterSwap(int round, int one, int other) const;
    void Swap(int round, int one, int other);

    // The partner for moving a pilot into another heat of its round: the
    // one pilot there it may not meet if any (a channel mate), otherwise the
    // pilot in `seat` of that heat, when the swap keeps both heats free of
    // forbidden pairs and neither pilot flies back to back; -1 if not.
    int PartnerFor(int round, int pilot, int heat, int seat) const;

    // How many pilots of the heat the pilot may not meet, counting at most two.
    int MatesIn(int round, int pilot, int heat) const { return std::min(2, m_matesIn[Slot(round, pilot, heat)]); }
    // The seats of `heat` in the round (bit per seat) whose pilots have no
    // one in `toHeat` they may not meet: for a pilot with no mate in `heat`,
    // the only seats PartnerFor may give it there. Where most pilots have
    // mates most seats are closed, and a search walks only the open ones.
    std::uint32_t OpenSeats(int round, int heat, int toHeat) const { return m_open[OpenIndex(round, heat, toHeat)]; }

    // The figures counted afresh from the seating, for checking.
    MeetingFigures RecountFigures() const;

    // The heat of every pilot in every round, round by round (-1 where a
    // pilot did not fly a kept round).
    const std::vector<int>& Seating() const { return m_heatOf; }
    void RestoreSeating(const std::vector<int>& seating);

private:
    size_t Index(int round, int pilot) const { return size_t(round) * m_pilots + pilot; }
    size_t Seat(int round, int heat, int seat) const { return (size_t(round) * Heats() + heat) * m_seatsPerHeat + seat; }
    size_t Slot(int round, int pilot, int heat) const { return Index(round, pilot) * Heats() + heat; }
    bool HeatHoldsForbidden(int round, int heat, int pilot, int except) const;
    void CountMates(int round, int pilot, int heat, int change);
    size_t OpenIndex(int round, int heat, int toHeat) const { return (size_t(round) * Heats() + heat) * Heats() + toHeat; }
    void MarkOpenSeat(int round, int pilot);
    bool BreaksBackToBackBeside(int round, int pilot, int heat) const;
    void AddMeeting(int one, int other, int change);
    void ClearRound(int round);

    int m_pilots = 0;
    int m_rounds = 0;
    int m_seatsPerHeat = 0;
    int m_matePairs = 0;
    bool m_noBackToBack = false;
    std::vector<int> m_channels;
    std::vector<char> m_hasMates;
    std::vector<char> m_forbidden;  // per pair, both halves
    std::vector<std::vector<int>> m_mates;  // per pilot: whom it may not meet
    // Per round, pilot and heat of a seated round: how many of the heat's
    // pilots the pilot may not meet. Kept up to date by every seating and
    // swap, so that a swap's legality is a few look-ups, not a walk of both
    // heats (most swaps are illegal where most pilots have mates).
    std::vector<int> m_matesIn;
    std::vector<std::uint32_t> m_open;  // per round, heat and other heat: OpenSeats
    std::vector<char> m_kept;       // per round
    std::vector<char> m_asFlown;    // per round: seated by SeatKeptRound
    std::vector<int> m_freeRounds;
    std::vector<int> m_sizes;
    std::vector<int> m_heatOf;     // round-major, per pilot
    std::vector<int> m_seatOf;     // the pilot's seat within its heat
    std::vector<int> m_members;    // the pilots of each round's heats
    std::vector<int> m_filled;     // how many pilots each round's heats hold
    std::vector<int> m_counts;     // the pair-count table, both halves
    std::vector<int> m_histogram;  // how many pairs meet each number of times
    MeetingFigures m_figures;
};
