#pragma once
// What a wheel guarantees.
//
// The held wheel uses the numbers 1..N. A case of size m is a set of m of
// them (the ones drawn among yours); best(S) is the largest number of
// distinct members of S that one line holds. The coverage table counts, for
// each m up to M and each t, the cases of size m whose best is t; the
// guarantee for m is the smallest best of any case of size m ("t if m").
//
// Every case is counted exactly, level by level: best(S) is m when S lies in
// a line, and otherwise the largest best of S with one number removed. The
// cases of one size are ranked in colex order, so the "one number removed"
// values of a whole block of cases are contiguous runs of the level below,
// and a level costs m byte-wise maxima per case, all in sequence.

#include "combinations.h"
#include "line_list.h"
#include "progress.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quorvex {

struct WheelSets {
    int numbers = 0;                  // N, at most 49
    std::vector<std::uint64_t> lines; // each distinct line as a set of bits
    std::vector<int> names;           // how holes write the numbers, ascending
};

// The lines as sets. With `picks` (picks[k - 1] stands for wheel number k, as
// GENERATE maps them), holes are written in the picked numbers and listed in
// their order; without, in the wheel's own numbers.
WheelSets WheelSetsOf(const LineList& lines, int numbers, std::span<const Number> picks = {});

struct CoverageTable {
    int numbers = 0; // N
    int drawn = 0;   // M
    // cases[m][t], 1 <= m <= M and 0 <= t <= m: how many cases of size m have best t.
    std::vector<std::vector<std::uint64_t>> cases;

    // The smallest best of the cases of size m: "t if m".
    int Guarantee(int m) const;
    // How many cases of size m have best t or more.
    std::uint64_t AtLeast(int m, int t) const;
};

// The table for cases of 1..drawn numbers (drawn <= min(N, 8)); nothing when cancelled.
std::optional<CoverageTable> ComputeCoverage(const WheelSets& wheel, int drawn, Progress& progress);

struct Holes {
    std::uint64_t count = 0;             // every case of size m whose best is below t
    std::vector<std::vector<int>> first; // the first of them, ascending, each in WheelSets::names
};

// The cases of size m (m <= min(N, 8)) that no line holds t of; nothing when cancelled.
std::optional<Holes> FindHoles(const WheelSets& wheel, int m, int t, std::size_t limit,
                               Progress& progress);

} // namespace quorvex
