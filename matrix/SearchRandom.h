// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

class RandomSource;

// The balanced draw's own generator (splitmix64), seeded from the command's
// random source. Its arithmetic is exact integer and basic floating point
// only, so a seed gives the same schedule on every machine and compiler.
class SearchRandom {
public:
    explicit SearchRandom(std::uint64_t seed) : m_state(seed) {}
    static SearchRandom SeededFrom(RandomSource& random);

    std::uint64_t Next();
    // 0..count-1, for count >= 1.
    int Below(int count) { return static_cast<int>(((Next() >> 32) * std::uint64_t(count)) >> 32); }
    // The items in a random order, every order as likely (swapping each
    // from the last down with one at or before it).
    template <class Item>
    void Shuffle(std::vector<Item>& items)
    {
        for (int last = int(items.size()) - 1; last > 0; --last)
            std::swap(items[std::size_t(last)], items[std::size_t(Below(last + 1))]);
    }
    // A fraction in [0, 1).
    double Fraction() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }

private:
    std::uint64_t m_state;
};

// e to the power x for x <= 0, from additions and multiplications only, so
// the annealing accepts the same moves everywhere (library exp may differ in
// its last bit from one system to the next).
double PortableExp(double x);
