#pragma once
// The orbit search: wheels that a permutation group G maps onto themselves.
//
// G splits the k-sets (candidate tickets) and the m-sets (draws) into orbits.
// A wheel that G maps onto itself is a union of ticket orbits, and one
// representative ticket tells which draw orbits a ticket orbit serves: those
// of the draws it meets in t or more numbers. So the search chooses ticket
// orbits that serve every draw orbit, at the least number of tickets: a
// weighted set cover, C(N, k) / |G| candidates for C(N, m) / |G| draws.
//
// A lazy greedy start; then annealing in the manner of Nurmela and Östergård,
// lifted to orbits: the budget held at one ticket below the best wheel, a
// move takes an unserved draw orbit and a ticket orbit serving it, and adds it
// when it fits the budget or swaps it for a chosen orbit, the swap taken by
// the Metropolis rule on the change in unserved draws. When every draw is
// served the wheel is kept, and the orbits that alone serve the fewest draws
// go until the wheel is under its new budget.

#include "best_found.h"
#include "orbit_setup.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quorvex::search {

// Searches the orbits at a temperature (in draw orbits of average size: a
// swap that leaves d more unserved is taken with chance e^(-d/T)) until the
// budget is spent or a wheel of `floor` tickets is found. Every wheel smaller
// than the best goes to `best`; returns the size of the smallest it found.
std::uint64_t SearchOrbits(const Orbits& orbits, int numbers, std::uint64_t floor,
                           double temperature, Random& random, SearchBudget& budget,
                           BestFound& best, const std::string& method);

} // namespace quorvex::search
