#pragma once
// The smallest wheels known, the yardstick for a built one: their sizes, who
// found them, and for some the tickets themselves, read once from the library
// text shipped with the program (data/best_known.txt).
//
// The text: '#' lines are comments; "wheel N k t m size | source | credit"
// is followed by its `size` tickets, one a line; "size N k t m size | source |
// credit" gives a size alone. An entry the text gets wrong is left out.

#include "ticket.h"
#include "wheel_goal.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

struct KnownWheel {
    WheelGoal goal;
    std::uint64_t size = 0;
    std::string source;          // "La Jolla Covering Repository"
    std::string credit;          // the credit line to show with it
    std::vector<Ticket> tickets; // empty when only the size is known
};

struct WheelLibrary {
    std::vector<KnownWheel> wheels;
    // The smallest known wheel for exactly this goal, or nullptr.
    const KnownWheel* Find(const WheelGoal& goal) const;
    // The smallest design with its tickets that keeps the goal: one for this
    // goal, or the covering C(N, k, t), which keeps "t if m" for every m >= t.
    const KnownWheel* DesignFor(const WheelGoal& goal) const;
};

WheelLibrary ParseWheelLibrary(std::string_view text);

} // namespace quorvex
