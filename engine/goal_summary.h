#pragma once
// What the Build a wheel window shows about a goal before anything runs, in
// one call: whether it can be built, the lower bound and its kind, the best
// known size with its credit, the library design that keeps the goal, whether
// the held wheel can start a search (and why not), and how many searches run
// side by side.

#include "best_known.h"
#include "line_list.h"
#include "refusal.h"
#include "wheel_goal.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quorvex {

enum class BoundKind { Schoenheim, Counting };

struct GoalSummary {
    std::optional<Refusal> refusal; // the goal cannot (or should not) be built
    std::optional<std::uint64_t> lowerBound;
    BoundKind boundKind = BoundKind::Schoenheim; // Schönheim's for a covering, else counting
    const KnownWheel* bestKnown = nullptr;       // the smallest known for exactly this goal
    const KnownWheel* design = nullptr;          // a library design with tickets keeping the goal
    std::optional<Refusal> heldUnfit;            // why the held wheel cannot start a search
    int searches = 1;                            // searches side by side, one a core, two at most
};

// The held wheel is `held` on the numbers 1..heldNumbers (no lines: none held).
GoalSummary SummarizeGoal(const WheelGoal& goal, const WheelLibrary& library, const LineList& held,
                          int heldNumbers, unsigned cores);

// The held wheel's lines as tickets to start a search from, each ascending.
std::vector<Ticket> TicketsOf(const LineList& lines);

} // namespace quorvex
