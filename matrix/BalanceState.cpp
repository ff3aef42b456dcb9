// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/BalanceState.h"

#include <algorithm>
#include <cassert>

BalanceState::BalanceState(std::vector<int> channels, int rounds, std::vector<int> heatSizes)
    : m_pilots(static_cast<int>(channels.size()))
    , m_rounds(rounds)
    , m_channels(std::move(channels))
    , m_sizes(std::move(heatSizes))
{
    m_seatsPerHeat = m_sizes.empty() ? 0 : *std::max_element(m_sizes.begin(), m_sizes.end());
    m_hasMates.assign(m_pilots, 0);
    m_forbidden.assign(size_t(m_pilots) * m_pilots, 0);
    m_mates.resize(m_pilots);
    for (int one = 0; one < m_pilots; ++one)
        for (int other = one + 1; other < m_pilots; ++other)
            if (m_channels[one] == m_channels[other])
                Forbid(one, other);
    m_kept.assign(m_rounds, 0);
    m_asFlown.assign(m_rounds, 0);
    m_freeRounds.resize(m_rounds);
    for (int round = 0; round < m_rounds; ++round)
        m_freeRounds[round] = round;
    m_heatOf.assign(size_t(m_rounds) * m_pilots, -1);
    m_seatOf.assign(m_heatOf.size(), -1);
    m_members.assign(size_t(m_rounds) * Heats() * m_seatsPerHeat, -1);
    m_filled.assign(size_t(m_rounds) * Heats(), 0);
    m_matesIn.assign(size_t(m_rounds) * m_pilots * Heats(), 0);
    m_open.assign(size_t(m_rounds) * Heats() * Heats(), 0);
    assert(m_seatsPerHeat <= 32);
    for (int round = 0; round < m_rounds; ++round)
        std::copy(m_sizes.begin(), m_sizes.end(), m_filled.begin() + ptrdiff_t(round) * Heats());
    m_counts.assign(size_t(m_pilots) * m_pilots, 0);
    m_histogram.assign(m_rounds + 2, 0);
    m_histogram[0] = m_pilots * (m_pilots - 1) / 2;
    m_figures.neverMet = m_histogram[0] - m_matePairs;
}

void BalanceState::Forbid(int one, int other)
{
    assert(one != other && std::all_of(m_heatOf.begin(), m_heatOf.end(), [](int heat) { return heat < 0; }));
    char& forbidden = m_forbidden[size_t(one) * m_pilots + other];
    if (forbidden)
        return;
    forbidden = 1;
    m_forbidden[size_t(other) * m_pilots + one] = 1;
    m_hasMates[one] = m_hasMates[other] = 1;
    m_mates[one].push_back(other);
    m_mates[other].push_back(one);
    ++m_matePairs;
    m_figures.neverMet = m_pilots * (m_pilots - 1) / 2 - m_matePairs;
}

void BalanceState::KeepRound(int round)
{
    m_kept[round] = 1;
    m_freeRounds.erase(std::remove(m_freeRounds.begin(), m_freeRounds.end(), round), m_freeRounds.end());
}

void BalanceState::AddMeeting(int one, int other, int change)
{
    int& count = m_counts[size_t(one) * m_pilots + other];
    --m_histogram[count];
    m_figures.sumOfSquares += change > 0 ? 2 * count + 1 : 1 - 2 * count;
    count += change;
    m_counts[size_t(other) * m_pilots + one] = count;
    ++m_histogram[count];
    m_figures.neverMet = m_histogram[0] - m_matePairs;
    if (count > m_figures.largest)
        m_figures.largest = count;
    while (m_figures.largest > 0 && m_histogram[m_figures.largest] == 0)
        --m_figures.largest;
}

void BalanceState::ClearRound(int round)
{
    for (int heat = 0; heat < Heats(); ++heat)
        for (int seat = 0; seat < m_sizes[heat]; ++seat)
            m_members[Seat(round, heat, seat)] = -1;
    std::fill_n(m_matesIn.begin() + ptrdiff_t(Slot(round, 0, 0)), size_t(m_pilots) * Heats(), 0);
    std::fill_n(m_open.begin() + ptrdiff_t(OpenIndex(round, 0, 0)), size_t(Heats()) * Heats(), 0);
}

// The pilot joins (change +1) or leaves (-1) the heat: its mates count it there.
void BalanceState::CountMates(int round, int pilot, int heat, int change)
{
    for (int mate : m_mates[pilot])
        m_matesIn[Slot(round, mate, heat)] += change;
}

// The pilot's seat is open towards each heat holding none of its mates.
void BalanceState::MarkOpenSeat(int round, int pilot)
{
    const int heat = HeatOf(round, pilot);
    const std::uint32_t bit = std::uint32_t(1) << m_seatOf[Index(round, pilot)];
    for (int toHeat = 0; toHeat < Heats(); ++toHeat) {
        std::uint32_t& open = m_open[OpenIndex(round, heat, toHeat)];
        open = m_matesIn[Slot(round, pilot, toHeat)] == 0 ? open | bit : open & ~bit;
    }
}

// A kept round holds no seats: the search never looks into its heats, which
// may be more than the heats it seats. Only its meetings and its heats (as
// labels) are kept.
void BalanceState::SeatKeptRound(int round, std::span<const int> heatOf)
{
    assert(static_cast<int>(heatOf.size()) == m_pilots);
    ClearRound(round);
    std::fill(&m_filled[size_t(round) * Heats()], &m_filled[size_t(round) * Heats()] + Heats(), 0);
    for (int pilot = 0; pilot < m_pilots; ++pilot) {
        m_heatOf[Index(round, pilot)] = heatOf[pilot];
        for (int earlier = 0; earlier < pilot; ++earlier)
            if (heatOf[pilot] >= 0 && heatOf[earlier] == heatOf[pilot])
                AddMeeting(pilot, earlier, +1);
    }
    m_asFlown[round] = 1;
    KeepRound(round);
}

void BalanceState::SeatRound(int round, std::span<const int> heatOf)
{
    assert(static_cast<int>(heatOf.size()) == m_pilots);
    ClearRound(round);
    std::vector<int> filled(Heats(), 0);
    for (int pilot = 0; pilot < m_pilots; ++pilot) {
        const int heat = heatOf[pilot];
        assert(heat >= 0 && heat < Heats() && filled[heat] < m_sizes[heat]);
        for (int seat = 0; seat < filled[heat]; ++seat)
            AddMeeting(pilot, m_members[Seat(round, heat, seat)], +1);
        m_members[Seat(round, heat, filled[heat])] = pilot;
        CountMates(round, pilot, heat, +1);
        m_heatOf[Index(round, pilot)] = heat;
        m_seatOf[Index(round, pilot)] = filled[heat]++;
    }
    for (int pilot = 0; pilot < m_pilots; ++pilot)
        MarkOpenSeat(round, pilot);
}

bool BalanceState::IsSeated() const
{
    return std::all_of(m_freeRounds.begin(), m_freeRounds.end(), [this](int round) {
        const auto first = m_heatOf.begin() + ptrdiff_t(Index(round, 0));
        return std::find(first, first + m_pilots, -1) == first + m_pilots;
    });
}

MeetingFigures BalanceState::FiguresAfterSwap(int round, int one, int other) const
{
    const int oneHeat = HeatOf(round, one);
    const int otherHeat = HeatOf(round, other);
    assert(oneHeat != otherHeat);
    const int* oneRow = &m_counts[size_t(one) * m_pilots];
    const int* otherRow = &m_counts[size_t(other) * m_pilots];
    const int largest = m_figures.largest;
    std::int64_t squares = 0;
    int neverMet = 0;
    int aboveLargest = 0;
    int atLargest = m_histogram[largest];
    // Pairs leaving a heat meet once less, pairs joining one meet once more.
    auto leave = [&](int count) {
        squares += 1 - 2 * count;
        neverMet += count == 1;
        atLargest -= count == largest;
    };
    auto join = [&](int count) {
        squares += 2 * count + 1;
        neverMet -= count == 0;
        aboveLargest += count == largest;
        atLargest += count + 1 == largest;
    };
    for (int pilot : Members(round, oneHeat))
        if (pilot != one) {
            leave(oneRow[pilot]);
            join(otherRow[pilot]);
        }
    for (int pilot : Members(round, otherHeat))
        if (pilot != other) {
            join(oneRow[pilot]);
            leave(otherRow[pilot]);
        }
    MeetingFigures after = m_figures;
    after.sumOfSquares += squares;
    after.neverMet += neverMet;
    if (aboveLargest > 0)
        after.largest = largest + 1;
    else if (atLargest == 0 && largest > 0)
        after.largest = largest - 1;
    return after;
}

void BalanceState::Swap(int round, int one, int other)
{
    const int oneHeat = HeatOf(round, one);
    const int otherHeat = HeatOf(round, other);
    assert(oneHeat != otherHeat);
    for (int pilot : Members(round, oneHeat))
        if (pilot != one) {
            AddMeeting(one, pilot, -1);
            AddMeeting(other, pilot, +1);
        }
    for (int pilot : Members(round, otherHeat))
        if (pilot != other) {
            AddMeeting(one, pilot, +1);
            AddMeeting(other, pilot, -1);
        }
    const size_t oneAt = Index(round, one);
    const size_t otherAt = Index(round, other);
    m_members[Seat(round, oneHeat, m_seatOf[oneAt])] = other;
    m_members[Seat(round, otherHeat, m_seatOf[otherAt])] = one;
    CountMates(round, one, oneHeat, -1);
    CountMates(round, one, otherHeat, +1);
    CountMates(round, other, otherHeat, -1);
    CountMates(round, other, oneHeat, +1);
    std::swap(m_seatOf[oneAt], m_seatOf[otherAt]);
    std::swap(m_heatOf[oneAt], m_heatOf[otherAt]);
    // The two seats changed hands, and the mates of both count other heats.
    for (int moved : {one, other}) {
        MarkOpenSeat(round, moved);
        for (int mate : m_mates[moved])
            MarkOpenSeat(round, mate);
    }
}

bool BalanceState::HeatHoldsForbidden(int round, int heat, int pilot, int except) const
{
    const bool exceptCounts = HeatOf(round, except) == heat && IsForbidden(pilot, except);
    return m_matesIn[Slot(round, pilot, heat)] > int(exceptCounts);
}

int BalanceState::PartnerFor(int round, int pilot, int heat, int seat) const
{
    const int fromHeat = HeatOf(round, pilot);
    if (heat == fromHeat)
        return -1;
    const int mates = m_matesIn[Slot(round, pilot, heat)];
    if (mates >= 2)
        return -1;  // no single swap parts the pilot from both
    const int other = mates == 0 ? m_members[Seat(round, heat, seat)]
                                 : *std::find_if(m_mates[pilot].begin(), m_mates[pilot].end(),
                                                 [&](int mate) { return HeatOf(round, mate) == heat; });
    if (HasMates(other) && HeatHoldsForbidden(round, fromHeat, other, pilot))
        return -1;
    if (BreaksBackToBack(round, pilot, heat) || BreaksBackToBack(round, other, fromHeat))
        return -1;
    return other;
}

bool BalanceState::BreaksBackToBackBeside(int round, int pilot, int heat) const
{
    const int last = Heats() - 1;
    if (heat == 0 && round > 0 && HeatOf(round - 1, pilot) == last)
        return true;
    return heat == last && round + 1 < m_rounds && HeatOf(round + 1, pilot) == 0;
}

MeetingFigures BalanceState::RecountFigures() const
{
    std::vector<int> counts(size_t(m_pilots) * m_pilots, 0);
    for (int round = 0; round < m_rounds; ++round) {
        if (m_asFlown[round])
            for (int one = 0; one < m_pilots; ++one)
                for (int other = one + 1; other < m_pilots; ++other)
                    counts[size_t(one) * m_pilots + other] += HeatOf(round, one) >= 0
                                                              && HeatOf(round, one) == HeatOf(round, other);
        for (int heat = 0; heat < Heats(); ++heat) {
            const std::span<const int> members = Members(round, heat);
            for (size_t one = 0; one < members.size(); ++one)
                for (size_t other = one + 1; other < members.size(); ++other)
                    ++counts[size_t(std::min(members[one], members[other])) * m_pilots
                             + std::max(members[one], members[other])];
        }
    }
    MeetingFigures figures;
    for (int one = 0; one < m_pilots; ++one)
        for (int other = one + 1; other < m_pilots; ++other) {
            if (IsForbidden(one, other))
                continue;
            const int count = counts[size_t(one) * m_pilots + other];
            figures.sumOfSquares += std::int64_t(count) * count;
            figures.neverMet += count == 0;
            figures.largest = std::max(figures.largest, count);
        }
    return figures;
}

void BalanceState::RestoreSeating(const std::vector<int>& seating)
{
    for (int round = 0; round < m_rounds; ++round)
        for (int pilot = 0; pilot < m_pilots; ++pilot)
            while (HeatOf(round, pilot) != seating[Index(round, pilot)]) {
                // Swap the pilot with one who belongs in the pilot's present heat.
                const int target = seating[Index(round, pilot)];
                for (int other : Members(round, target))
                    if (seating[Index(round, other)] != target) {
                        Swap(round, pilot, other);
                        break;
                    }
            }
}
