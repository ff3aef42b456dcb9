// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/AffineRounds.h"

#include "matrix/SearchRandom.h"

#include <algorithm>
#include <numeric>

namespace {

// Far more than the 9 rounds of 32 pilots in heats of 4 need (found in
// under a millisecond); where the rounds asked for do not exist (10 of
// them) it bounds the time spent before giving up.
constexpr int kMostTries = 1 << 16;

// The prime p and exponent e with value = p^e, if any.
std::optional<std::pair<int, int>> PrimePower(int value)
{
    for (int prime = 2; prime <= value; ++prime) {
        if (value % prime != 0)
            continue;
        int exponent = 0;
        for (; value % prime == 0; value /= prime)
            ++exponent;
        if (value != 1)
            return std::nullopt;
        return std::pair{prime, exponent};
    }
    return std::nullopt;
}

// Vectors over the integers mod p, written as numbers in base p.
class Space {
public:
    Space(int prime, int points) : m_prime(prime), m_points(points) {}

    int Points() const { return m_points; }
    int Add(int one, int other) const
    {
        int sum = 0;
        for (int place = 1; place < m_points; place *= m_prime)
            sum += ((one / place + other / place) % m_prime) * place;
        return sum;
    }
    // The members of the subspace spanned by `members` and `vector`.
    std::vector<int> Extend(const std::vector<int>& members, int vector) const
    {
        std::vector<int> extended;
        int multiple = 0;
        for (int times = 0; times < m_prime; ++times, multiple = Add(multiple, vector))
            for (int member : members)
                extended.push_back(Add(member, multiple));
        return extended;
    }

private:
    int m_prime;
    int m_points;
};

class SpreadSearch {
public:
    SpreadSearch(const Space& space, int dimension, int heatSize, int rounds, SearchRandom& random)
        : m_space(space), m_dimension(dimension), m_heatSize(heatSize), m_rounds(rounds), m_covered(space.Points(), 0),
          m_order(space.Points() - 1)
    {
        std::iota(m_order.begin(), m_order.end(), 1);
        random.Shuffle(m_order);
    }

    std::optional<std::vector<std::vector<int>>> Run()
    {
        const int spare = m_space.Points() - 1 - m_rounds * (m_heatSize - 1);
        if (spare < 0 || !Cover(0, spare))
            return std::nullopt;
        return m_found;
    }

private:
    // The first vector of the order not yet covered from `from` on is either
    // put in a new subspace or, while spare vectors are left, left out.
    bool Cover(size_t from, int spare)
    {
        if (int(m_found.size()) == m_rounds)
            return true;
        while (from < m_order.size() && m_covered[m_order[from]])
            ++from;
        if (from == m_order.size() || ++m_tries > kMostTries)
            return false;
        if (Grow({0}, m_order[from], from, spare, 1))
            return true;
        return spare > 0 && Cover(from + 1, spare - 1);
    }

    // Adds `vector` to the subspace being built when every new member is
    // uncovered, then the further vectors it needs, then covers on.
    bool Grow(const std::vector<int>& members, int vector, size_t from, int spare, int dimension)
    {
        std::vector<int> extended = m_space.Extend(members, vector);
        if (std::any_of(extended.begin() + 1, extended.end(), [&](int member) { return m_covered[member] != 0; }))
            return false;
        if (dimension < m_dimension) {
            for (size_t next = from + 1; next < m_order.size(); ++next)
                if (!m_covered[m_order[next]] && std::find(extended.begin(), extended.end(), m_order[next]) == extended.end()
                    && ++m_tries <= kMostTries && Grow(extended, m_order[next], from, spare, dimension + 1))
                    return true;
            return false;
        }
        Mark(extended, 1);
        m_found.push_back(extended);
        if (Cover(from + 1, spare))
            return true;
        m_found.pop_back();
        Mark(extended, 0);
        return false;
    }

    void Mark(const std::vector<int>& members, char covered)
    {
        for (size_t at = 1; at < members.size(); ++at)
            m_covered[members[at]] = covered;
    }

    const Space& m_space;
    int m_dimension;
    int m_heatSize;
    int m_rounds;
    std::vector<char> m_covered;
    std::vector<int> m_order;
    std::vector<std::vector<int>> m_found;
    int m_tries = 0;
};

// The heat of every pilot: pilots whose points differ by a member of the
// subspace share one, numbered in order of their least point.
std::vector<int> RoundOf(const Space& space, const std::vector<int>& subspace, const std::vector<int>& pointOf)
{
    std::vector<int> heatOfPoint(space.Points(), -1);
    int heats = 0;
    for (int point = 0; point < space.Points(); ++point) {
        if (heatOfPoint[point] >= 0)
            continue;
        for (int member : subspace)
            heatOfPoint[space.Add(point, member)] = heats;
        ++heats;
    }
    std::vector<int> heatOf;
    for (int point : pointOf)
        heatOf.push_back(heatOfPoint[point]);
    return heatOf;
}

}  // namespace

std::optional<std::vector<std::vector<int>>> AffineRounds(int pilots, int heatSize, int rounds, SearchRandom& random)
{
    const auto field = PrimePower(pilots);
    const auto heat = PrimePower(heatSize);
    if (!field || !heat || heat->first != field->first || heat->second >= field->second || rounds < 1)
        return std::nullopt;
    const Space space(field->first, pilots);
    const auto subspaces = SpreadSearch(space, heat->second, heatSize, rounds, random).Run();
    if (!subspaces)
        return std::nullopt;
    std::vector<int> pointOf(pilots);
    std::iota(pointOf.begin(), pointOf.end(), 0);
    random.Shuffle(pointOf);
    std::vector<std::vector<int>> heatOf;
    for (const std::vector<int>& subspace : *subspaces)
        heatOf.push_back(RoundOf(space, subspace, pointOf));
    return heatOf;
}
