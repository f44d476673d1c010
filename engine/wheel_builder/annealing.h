#pragma once
// The plain search: simulated annealing on single tickets.
//
// A greedy start meets every draw; then, at a fixed number of tickets b,
// annealing lowers the number of draws no ticket meets in t numbers. A move
// takes such a draw S and a ticket meeting S in t-1 numbers and swaps one of
// the ticket's numbers outside S for one of S inside, so that S is met; only
// the draws that swap touches are recounted. Once nothing is unmet the wheel
// is kept, the ticket whose loss unmeets fewest draws is dropped, and the
// search goes on at b-1. A search stuck at one size for long goes back to its
// smallest wheel and drops a ticket picked at random.

#include "best_found.h"
#include "wheel_under_search.h"

#include <cstdint>
#include <string>

namespace quorvex::search {

// Stuck at one size for this many moves (or kPatiencePerSquaredTicket * b * b
// for larger wheels, which lose more by a fresh try than they gain), the
// search goes back to its smallest wheel and drops another ticket.
constexpr std::uint64_t kPatienceMoves = 100'000;
constexpr std::uint64_t kPatiencePerSquaredTicket = 200;
// A swap that unmeets d more draws than it meets is taken with chance
// e^(-d/T). Lotto designs' swaps change many draws at once, and want more.
constexpr double kCoveringTemperature = 0.2;
constexpr double kLottoTemperature = 0.35;

double PlainTemperature(const WheelGoal& goal);

// Greedy until every draw is met, then drops the tickets not needed; the
// wheel goes to `best`. False when the budget ran out first.
bool Greedy(SearchWheel& wheel, Random& random, SearchBudget& budget, BestFound& best,
            const std::string& method);

// Greedy until every draw is met, then descends as above until the budget is
// spent or the wheel reaches `floor` tickets. Every wheel smaller than the best
// goes to `best` under the name `method`.
void Anneal(SearchWheel& wheel, double temperature, std::uint64_t floor, Random& random,
            SearchBudget& budget, BestFound& best, const std::string& method);

} // namespace quorvex::search
