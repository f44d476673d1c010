#pragma once
// What the wheel searches share: sets of numbers as bits of a word, their
// colex ranks, every subset of a size, and random numbers that are the same
// for the same seed on every machine.
//
// Number i of 1..N is bit i - 1; a set of m numbers is known by its colex
// rank among the m-sets (combinations.h).

#include "combinations.h"

#include <array>
#include <bit>
#include <cstdint>
#include <random>

namespace quorvex::search {

using Set = std::uint64_t;

inline Set Bit(int index) {
    return Set{1} << index;
}

// The colex rank of a set among the sets of its size.
inline std::uint32_t Rank(Set set) {
    std::uint64_t rank = 0;
    for (int size = 1; set != 0; ++size, set &= set - 1) {
        rank += Binomial(std::countr_zero(set), size);
    }
    return static_cast<std::uint32_t>(rank);
}

inline Set Unrank(std::uint64_t rank, int size, int numbers) {
    Set set = 0;
    int a = numbers - 1;
    for (int i = size; i >= 1; --i, --a) {
        while (Binomial(a, i) > rank) {
            --a;
        }
        set |= Bit(a);
        rank -= Binomial(a, i);
    }
    return set;
}

// Calls visit(subset) for every subset of `pool` with `size` members.
template <class Visit> void ForEachSubset(Set pool, int size, Visit&& visit) {
    std::array<Set, 64> members;
    int count = 0;
    for (; pool != 0; pool &= pool - 1) {
        members[static_cast<std::size_t>(count++)] = pool & -pool;
    }
    if (size > count) {
        return;
    }
    std::array<int, 64> at{};
    for (int i = 0; i < size; ++i) {
        at[static_cast<std::size_t>(i)] = i;
    }
    while (true) {
        Set subset = 0;
        for (int i = 0; i < size; ++i) {
            subset |= members[static_cast<std::size_t>(at[static_cast<std::size_t>(i)])];
        }
        visit(subset);
        int i = size - 1;
        while (i >= 0 && at[static_cast<std::size_t>(i)] == count - size + i) {
            --i;
        }
        if (i < 0) {
            return;
        }
        ++at[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < size; ++j) {
            at[static_cast<std::size_t>(j)] = at[static_cast<std::size_t>(j - 1)] + 1;
        }
    }
}

// The searches' random numbers, the same for the same seed on every machine.
class Random {
public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}
    std::uint64_t Below(std::uint64_t bound) { return engine_() % bound; }
    double Chance() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }
    // `size` members of `set`, picked at random.
    Set Subset(Set set, int size) {
        std::array<Set, 64> members;
        int count = 0;
        for (; set != 0; set &= set - 1) {
            members[static_cast<std::size_t>(count++)] = set & -set;
        }
        Set picked = 0;
        for (int i = 0; i < size; ++i) {
            const auto j =
                static_cast<std::size_t>(i) + Below(static_cast<std::uint64_t>(count - i));
            std::swap(members[static_cast<std::size_t>(i)], members[j]);
            picked |= members[static_cast<std::size_t>(i)];
        }
        return picked;
    }

private:
    std::mt19937_64 engine_;
};

} // namespace quorvex::search
