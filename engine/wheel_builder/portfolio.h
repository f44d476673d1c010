#pragma once
// Builds a small wheel for a goal (wheel_goal.h) within a time limit, by a
// portfolio of methods: a fast first wheel by the plain search, the orbit
// search under a few groups that fit N, the split constructions for a lotto
// goal, and the plain search polishing the best wheel found. Every wheel it
// returns was completed and counted by the report's engine.

#include "progress.h"
#include "refusal.h"
#include "ticket.h"
#include "wheel_goal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvex {

struct BuildRequest {
    WheelGoal goal;
    std::uint64_t seed = 1;
    double seconds = 10;            // the time budget, kept to within a second or 5 %
    std::uint64_t maxSteps = 0;     // when not 0, each thread stops after this many steps
    int threads = 1;                // portfolios side by side, with different seeds
    std::vector<Ticket> start = {}; // a wheel to shrink instead of building one
};

struct BuildOutcome {
    std::vector<Ticket> tickets;    // distinct, each of k distinct numbers, using all of 1..N
    int guarantee = 0;              // t' of "t' if m" for the tickets, as the report counts it
    std::string method;             // how it was built, in a player's words
    std::optional<Refusal> refusal; // why there are no tickets
    bool shrunk = true;             // built anew, or smaller than the held wheel it started from
};

// Why the start tickets cannot start a search for the goal, or nothing.
std::optional<Refusal> StartProblem(const WheelGoal& goal, const std::vector<Ticket>& start);

// The smallest wheel found before the time, the steps or a cancel ends the
// search. While it runs, progress tells the phase and the smallest size so far.
BuildOutcome BuildWheel(const BuildRequest& request, Progress& progress);

} // namespace quorvex
