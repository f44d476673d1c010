#pragma once
// A wheel under search: its tickets as sets of numbers, how many tickets meet
// each draw (DrawCover), each ticket filed under its (t-1)-sets, so that the
// tickets meeting a draw in t-1 numbers are found at once, and how many
// tickets use each number.

#include "draw_counts.h"
#include "search_budget.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quorvex::search {

class SearchWheel {
public:
    explicit SearchWheel(const WheelGoal& goal);

    const DrawCover& Cover() const { return cover_; }
    std::size_t Size() const { return tickets_.size(); }
    std::size_t Unmet() const { return cover_.Unmet(); }
    const std::vector<Set>& Tickets() const { return tickets_; }
    // The tickets that hold a set of t - 1 numbers.
    const std::vector<std::uint32_t>& Holding(Set part) const { return holding_[Rank(part)]; }
    // The numbers no ticket uses.
    Set Unused() const;

    void Add(Set ticket);
    void Remove(std::size_t which);
    // Puts `ticket` in the place of ticket `which`: the draws (by rank) in
    // `lost` lose that ticket, those in `gained` gain it.
    void Replace(std::size_t which, Set ticket, const std::vector<std::uint32_t>& lost,
                 const std::vector<std::uint32_t>& gained);
    // The wheel made these tickets, one at a time, heeding the budget between
    // two (one can take a second when tickets are wide); false if it ran out,
    // the wheel then half made, for nothing more.
    bool Restart(const std::vector<Set>& tickets, const SearchBudget& budget);

    // Covers an unmet draw with a new ticket: t of its numbers, then the
    // numbers the tickets use least, so that every number gets its share.
    void AddGreedily(Random& random);
    // Drops every ticket whose loss uncovers nothing (duplicates among them).
    // False when the budget ran out first.
    bool DropRedundant(SearchBudget& budget);
    // Drops the ticket whose loss uncovers fewest draws. False when the budget
    // ran out before one was picked.
    bool DropCheapest(Random& random, SearchBudget& budget);
    // Brings in every number a wheel leaves out: swapped in where that
    // uncovers nothing, or on a ticket of its own.
    void UseEveryNumber();

private:
    bool SwapInLosslessly(Set in);
    // Files (or unfiles) the ticket under each of its (t-1)-sets.
    void Index(Set ticket, std::uint32_t which, bool add);
    void Count(Set ticket, int by);

    DrawCover cover_;
    std::vector<Set> tickets_;
    std::vector<std::vector<std::uint32_t>> holding_; // per (t-1)-set: the tickets holding it
    std::array<std::uint32_t, 64> uses_{};            // per number: the tickets using it
};

// Calls visit(rest) for every set of t - 1 numbers of `inside` and m - t of
// `outside`: with a number of the ticket and one outside it swapped, the
// draws rest | out lose the ticket and the draws rest | in gain it.
template <class Visit>
void ForEachAround(const DrawCover& cover, Set inside, Set outside, std::vector<Set>& scratch,
                   Visit&& visit) {
    scratch.clear();
    ForEachSubset(outside, cover.m - cover.t, [&scratch](Set part) { scratch.push_back(part); });
    ForEachSubset(inside, cover.t - 1, [&](Set part) {
        for (Set other : scratch) {
            visit(part | other);
        }
    });
}

} // namespace quorvex::search
