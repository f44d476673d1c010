#pragma once
// Small permutation groups on the points 0..N-1 (point i is number i + 1), for
// the orbit search: each is given by its generators and all its elements, and
// named so that a player can read how a wheel was built.
//
// The groups are affine: the points are r copies of a finite field GF(q) and
// f fixed points, N = r*q + f, and the group maps x to a*x + b in every copy
// at once, b any element, a any power of w, an element of order d (a = 1 only,
// when d = 1: the translations).

#include <cstdint>
#include <string>
#include <vector>

namespace quorvex::search {

using Permutation = std::vector<std::uint8_t>;

struct PermutationGroup {
    std::string name; // "x → x+1 on GF(23), one number fixed"
    int fieldSize = 0, multipliers = 1, copies = 1, fixed = 0; // q, d, r, f
    std::vector<Permutation> generators;
    std::vector<Permutation> elements; // the identity first
};

// The group of x -> a*x + b on `copies` copies of GF(fieldSize), a of order
// dividing `multipliers` (which divides q - 1), and `fixed` points left alone.
// Empty (no elements) when q is no prime power or d does not divide q - 1.
PermutationGroup AffineGroup(int fieldSize, int multipliers, int copies, int fixed);

// A few groups for N points, the likeliest to give small wheels first: of
// order 3 to `largestOrder` (at most 160), with few fixed points.
std::vector<PermutationGroup> GroupsFor(int numbers, int largestOrder);

} // namespace quorvex::search
