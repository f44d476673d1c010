#pragma once
// Split constructions for a lotto goal "t if m", m > t.
//
// Split the N numbers into parts n_1 + ... + n_p and give each part a
// threshold x_i >= t with (x_1 - 1) + ... + (x_p - 1) < m. Any m numbers
// drawn then put x_i or more in some part i, so wheels "t if x_i" on the
// parts, together, keep "t if m". Each part is a goal of its own, built by
// whatever method builds it best.

#include "search_sets.h"
#include "wheel_goal.h"

#include <string>
#include <vector>

namespace quorvex::search {

struct Split {
    std::vector<WheelGoal> parts; // part i takes the numbers after those of the parts before it
};

// Every split of the goal into two or three parts whose own goals can be
// built: each part holds a ticket and its threshold, thresholds ascending.
std::vector<Split> SplitsFor(const WheelGoal& goal);

// "split 19 + 30: 3 if 3 and 3 if 4"
std::string SplitName(const Split& split);

// The parts' wheels as one wheel on all the numbers.
std::vector<Set> JoinParts(const Split& split, const std::vector<std::vector<Set>>& wheels);

} // namespace quorvex::search
