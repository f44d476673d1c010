#pragma once
// The last step of every build: the wheel completed (every number 1..N on
// some ticket, as ACQUIRE needs) and its guarantee counted by the report's
// engine, not taken on trust from the search.

#include "search_sets.h"
#include "ticket.h"
#include "wheel_goal.h"

#include <vector>

namespace quorvex::search {

// The tickets with every number brought in, each ascending, in order.
std::vector<Ticket> CompleteWheel(const WheelGoal& goal, const std::vector<Set>& tickets);

} // namespace quorvex::search

namespace quorvex {

// The guarantee "t' if m" the tickets keep for the goal's m, as the report counts it.
int CheckedGuarantee(const WheelGoal& goal, const std::vector<Ticket>& tickets);

} // namespace quorvex
