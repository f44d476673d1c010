#pragma once
// What the wheel searches share: sets of numbers as bits, and the cover count.
//
// A draw is a set of m of the numbers 1..N (number i is bit i - 1), known by
// its colex rank. DrawCover keeps, for every draw, how many tickets meet it
// in t or more numbers, and the unmet draws in a list with their places, so
// that adding or removing a ticket costs only the draws it meets.

#include "combinations.h"
#include "wheel_goal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <random>
#include <vector>

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

class DrawCover {
public:
    explicit DrawCover(const WheelGoal& goal)
        : n(goal.numbers), k(goal.perTicket), t(goal.atLeast), m(goal.drawn), all(Bit(n) - 1),
          state_(Binomial(n, m)) {
        unmet_.reserve(state_.size());
        for (std::uint32_t draw = 0; draw < state_.size(); ++draw) {
            state_[draw] = kUnmet | draw;
            unmet_.push_back(draw);
        }
    }

    const int n, k, t, m;
    const Set all;

    std::size_t Unmet() const { return unmet_.size(); }
    Set RandomUnmet(Random& random) const {
        return Unrank(unmet_[random.Below(unmet_.size())], m, n);
    }
    // How many tickets meet the draw in t or more numbers.
    std::uint32_t Met(std::uint32_t draw) const {
        return (state_[draw] & kUnmet) != 0 ? 0 : state_[draw];
    }

    void Add(Set ticket) {
        ForEachDrawMet(ticket, [this](Set draw) { Meet(Rank(draw)); });
    }
    void Remove(Set ticket) {
        ForEachDrawMet(ticket, [this](Set draw) { Unmeet(Rank(draw)); });
    }
    // How many draws only this ticket meets.
    std::uint64_t Loss(Set ticket) {
        std::uint64_t loss = 0;
        ForEachDrawMet(ticket, [&](Set draw) { loss += state_[Rank(draw)] == 1; });
        return loss;
    }

    // Calls visit(draw) for every draw the ticket meets in t or more numbers.
    template <class Visit> void ForEachDrawMet(Set ticket, Visit&& visit) const {
        for (int j = t; j <= std::min(k, m); ++j) {
            ForEachSubset(ticket, j, [&](Set inside) {
                ForEachSubset(all & ~ticket, m - j, [&](Set outside) { visit(inside | outside); });
            });
        }
    }

    void Meet(std::uint32_t draw) {
        const std::uint32_t state = state_[draw];
        if ((state & kUnmet) == 0) {
            state_[draw] = state + 1;
            return;
        }
        const std::uint32_t moved = unmet_.back();
        unmet_[state & ~kUnmet] = moved;
        state_[moved] = state;
        unmet_.pop_back();
        state_[draw] = 1;
    }
    void Unmeet(std::uint32_t draw) {
        if (--state_[draw] == 0) {
            state_[draw] = kUnmet | static_cast<std::uint32_t>(unmet_.size());
            unmet_.push_back(draw);
        }
    }

private:
    // Per draw, 4 bytes: how many tickets meet it or, for an unmet draw, this
    // bit and its place in unmet_. With the list, 8 bytes a draw at most.
    static constexpr std::uint32_t kUnmet = 0x80000000;
    std::vector<std::uint32_t> state_;
    std::vector<std::uint32_t> unmet_;
};

} // namespace quorvex::search
