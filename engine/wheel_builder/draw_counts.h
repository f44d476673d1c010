#pragma once
// How many tickets meet each draw in t or more numbers: the count every
// search keeps. The unmet draws are also kept in a list with their places, so
// that one is picked at random at once and adding or removing a ticket costs
// only the draws it meets.

#include "search_sets.h"
#include "wheel_goal.h"

#include <algorithm>
#include <vector>

namespace quorvex::search {

// Calls visit(draw) for every draw of the goal that the ticket meets in t or more numbers.
template <class Visit> void ForEachDrawMet(const WheelGoal& goal, Set ticket, Visit&& visit) {
    const Set outside = (Bit(goal.numbers) - 1) & ~ticket;
    for (int j = goal.atLeast; j <= std::min(goal.perTicket, goal.drawn); ++j) {
        ForEachSubset(ticket, j, [&](Set inside) {
            ForEachSubset(outside, goal.drawn - j, [&](Set rest) { visit(inside | rest); });
        });
    }
}

// What the plain search's bookkeeping costs, at a pace a slow machine keeps:
// a count for every draw to set up, and every draw a ticket meets to visit
// when the ticket comes in, goes or is weighed. A build with the address
// sanitizer checks every access, and keeps a third of the pace.
#if defined(__SANITIZE_ADDRESS__)
constexpr double kDrawVisitsPerSecond = 1e7;
#else
constexpr double kDrawVisitsPerSecond = 3e7;
#endif
inline double TicketSeconds(const WheelGoal& goal) {
    std::uint64_t met = 0;
    for (int j = goal.atLeast; j <= std::min(goal.perTicket, goal.drawn); ++j) {
        met +=
            Binomial(goal.perTicket, j) * Binomial(goal.numbers - goal.perTicket, goal.drawn - j);
    }
    return static_cast<double>(met) / kDrawVisitsPerSecond;
}
inline double SetUpSeconds(const WheelGoal& goal) {
    return static_cast<double>(Binomial(goal.numbers, goal.drawn)) / kDrawVisitsPerSecond;
}

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

    template <class Visit> void ForEachDrawMet(Set ticket, Visit&& visit) const {
        search::ForEachDrawMet(WheelGoal{n, k, t, m}, ticket, visit);
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
