#pragma once
// The orbits a permutation group G makes of a goal's sets: G splits the
// k-sets (candidate tickets) and the m-sets (draws) into orbits, and one
// representative ticket tells which draw orbits a ticket orbit serves: those
// of the draws it meets in t or more numbers. Set up once a group, for the
// searches over orbits (orbit_search.h).

#include "permutation_groups.h"
#include "search_budget.h"
#include "search_sets.h"
#include "wheel_goal.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quorvex::search {

// No orbit: a set not yet labelled, a ticket orbit not chosen.
constexpr std::uint32_t kNoOrbit = UINT32_MAX;

struct Orbits {
    const PermutationGroup* group = nullptr;
    std::vector<Set> tickets;           // a representative of each ticket orbit
    std::vector<std::uint32_t> costs;   // the tickets in each
    std::vector<std::uint32_t> weights; // the draws in each draw orbit
    // The draw orbits each ticket orbit serves, one after another: those of
    // ticket orbit i from served[servedStart[i]] to served[servedStart[i + 1]].
    std::vector<std::uint32_t> servedStart, served;
    // The ticket orbits that serve each draw orbit, laid out the same way.
    std::vector<std::uint32_t> serversStart, servers;
};

// The work (in sets visited) and the bytes that setting up the orbits would
// take, to decide beforehand whether it fits the time and memory at hand.
struct OrbitCost {
    double visits = 0;
    double bytes = 0;
};
OrbitCost EstimateOrbits(const WheelGoal& goal, const PermutationGroup& group);

// The sets the orbits' set-up may visit in a search of this many seconds.
double OrbitSetUpVisits(double seconds);
// The groups whose orbits fit the time and memory at hand, all together. A
// wheel is a few orbits at least: a group as large as the wheel gives only one.
std::vector<PermutationGroup> GroupsThatFit(const WheelGoal& goal, std::size_t wheelSize,
                                            double seconds);

// The orbits of the goal's sets under the group, or nothing when the budget
// ran out first.
std::optional<Orbits> FindOrbits(const WheelGoal& goal, const PermutationGroup& group,
                                 SearchBudget& budget);

// Every ticket of the chosen orbits.
std::vector<Set> ExpandOrbits(const Orbits& orbits, const std::vector<std::uint32_t>& chosen);

} // namespace quorvex::search
