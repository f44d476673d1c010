#pragma once
// How the tests print the engine's values when an expectation fails, and the
// reason of a refusal that may not be there.

#include "refusal.h"
#include "wheel_goal.h"

#include <optional>
#include <ostream>
#include <string>

namespace quorvex {

// "24 numbers, 6 a ticket, 4 if 6"
inline void PrintTo(const WheelGoal& goal, std::ostream* out) {
    *out << goal.numbers << " numbers, " << goal.perTicket << " a ticket, " << goal.atLeast
         << " if " << goal.drawn;
}

inline void PrintTo(const Refusal& refusal, std::ostream* out) {
    *out << '"' << refusal.reason << "\" at " << refusal.start << "+" << refusal.length;
}

// The reason, or "" when nothing was refused.
inline std::string Reason(const std::optional<Refusal>& refusal) {
    return refusal ? refusal->reason : std::string();
}

} // namespace quorvex
