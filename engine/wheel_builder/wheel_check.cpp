// Completing a found wheel and counting its guarantee with the report's engine.
#include "wheel_check.h"

#include "coverage.h"
#include "wheel_under_search.h"

#include <algorithm>

namespace quorvex::search {

namespace {

// Past this many draws, setting up their counts to swap numbers in takes
// seconds: the numbers left out get tickets of their own at once.
constexpr std::uint64_t kMostDrawsToSwapIn = 2'000'000;

} // namespace

std::vector<Ticket> CompleteWheel(const WheelGoal& goal, const std::vector<Set>& tickets) {
    std::vector<Set> sets = tickets;
    Set used = 0;
    for (Set set : sets) {
        used |= set;
    }
    const Set all = Bit(goal.numbers) - 1;
    if (used != all && Binomial(goal.numbers, goal.drawn) <= kMostDrawsToSwapIn) {
        SearchWheel wheel(goal);
        for (Set set : sets) {
            wheel.Add(set);
        }
        wheel.UseEveryNumber();
        sets = wheel.Tickets();
    } else {
        for (Set missing = all & ~used; missing != 0;) {
            Set ticket = 0;
            for (; missing != 0 && std::popcount(ticket) < goal.perTicket; missing &= missing - 1) {
                ticket |= missing & -missing;
            }
            for (int y = 0; std::popcount(ticket) < goal.perTicket; ++y) {
                ticket |= Bit(y);
            }
            sets.push_back(ticket);
        }
    }
    std::vector<Ticket> complete;
    for (Set set : sets) {
        Ticket ticket;
        for (; set != 0; set &= set - 1) {
            ticket.push_back(std::countr_zero(set) + 1);
        }
        complete.push_back(std::move(ticket));
    }
    std::sort(complete.begin(), complete.end());
    return complete;
}

} // namespace quorvex::search

namespace quorvex {

int CheckedGuarantee(const WheelGoal& goal, const std::vector<Ticket>& tickets) {
    Progress own; // the user's Stop must not stop the check
    return ComputeCoverage(WheelSetsOf(LinesOf(tickets), goal.numbers), goal.drawn, own)
        ->Guarantee(goal.drawn);
}

} // namespace quorvex
