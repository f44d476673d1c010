#pragma once
// A wheel built at once, before any search, so that every goal has one within
// its time: the N numbers cut into g groups of s, and a ticket for every j of
// the groups together (made up to k with the lowest numbers it lacks). A draw
// of m numbers has, in its j fullest groups, at least ceil(m j / g) of them:
// the average of the j fullest is no less than the average of all. So the
// wheel keeps "t if m" whenever that is t or more. For t = 1 it is the
// disjoint tickets, ceil(N / k) of them.

#include "search_sets.h"
#include "wheel_goal.h"

#include <cstdint>
#include <vector>

namespace quorvex::search {

// Wheels of more tickets than this are left to the searches.
constexpr std::uint64_t kLargestGroupWheel = 100000;

struct GroupedWheel {
    std::vector<Set> tickets; // none: no such wheel within the size above
    int groupSize = 0;        // s
    int together = 0;         // j
};

// The smallest such wheel for the goal.
GroupedWheel GroupWheel(const WheelGoal& goal);

} // namespace quorvex::search
