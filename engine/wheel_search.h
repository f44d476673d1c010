#pragma once
// Builds a small wheel for a goal (wheel_goal.h) by local search.
//
// A greedy start covers every draw; then, at a fixed number of tickets b,
// simulated annealing lowers the number of draws no ticket meets in t
// numbers. A move takes such a draw S and a ticket meeting S in t-1 numbers
// (found through an index from each (t-1)-set to the tickets holding it) and
// swaps one of the ticket's numbers outside S for one of S inside, so that S
// is met; only the draws that swap touches are recounted. Once nothing is
// uncovered the wheel is kept, the ticket whose loss uncovers fewest draws is
// dropped, and the search goes on at b-1. A search stuck at one size for long
// goes back to its smallest wheel and drops a ticket picked at random.

#include "progress.h"
#include "refusal.h"
#include "ticket.h"
#include "wheel_goal.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quorvex {

struct BuildRequest {
    WheelGoal goal;
    std::uint64_t seed = 1;
    double seconds = 10;        // the time budget
    std::uint64_t maxSteps = 0; // when not 0, each search stops after this many moves
    int searches = 1;           // independent searches, one a thread
    std::vector<Ticket> start;  // tickets to start from instead of a greedy start
};

struct BuildOutcome {
    std::vector<Ticket> tickets; // distinct, each of k distinct numbers, using all of 1..N
    int guarantee = 0;           // t' of "t' if m" for the tickets, as the report counts it
    std::uint64_t steps = 0;     // moves made, all searches together
    std::optional<Refusal> refusal; // why there are no tickets
};

// Why the start tickets cannot start a search for the goal, or nothing.
std::optional<Refusal> StartProblem(const WheelGoal& goal, const std::vector<Ticket>& start);

// The smallest wheel found before the time, the steps or a cancel ends the
// search, its guarantee checked by ComputeCoverage. While it runs,
// progress.Best() is the smallest size found so far.
BuildOutcome BuildWheel(const BuildRequest& request, Progress& progress);

} // namespace quorvex
