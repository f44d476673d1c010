#pragma once
// The plainest possible checker, shared by the tests and the fuzz targets:
// every draw of 1..n against every line, bit masks and a popcount. Cases()
// walks all 2^n sets: for n up to about 24.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace quorvex::brute {

using Rows = std::vector<std::vector<int>>;

inline std::uint64_t SetOf(const std::vector<int>& numbers) {
    std::uint64_t set = 0;
    for (int n : numbers) {
        set |= std::uint64_t{1} << n;
    }
    return set;
}

inline int Best(const Rows& lines, std::uint64_t drawn) {
    int best = 0;
    for (const auto& line : lines) {
        best = std::max(best, std::popcount(SetOf(line) & drawn));
    }
    return best;
}

// Every m-set of 1..n, numbers ascending, the sets in ascending order.
inline Rows Cases(int n, int m) {
    Rows cases;
    for (std::uint64_t set = 0; set < (std::uint64_t{1} << n); ++set) {
        if (std::popcount(set) == m) {
            cases.emplace_back();
            for (int k = 1; k <= n; ++k) {
                if ((set >> (k - 1)) & 1) {
                    cases.back().push_back(k);
                }
            }
        }
    }
    std::sort(cases.begin(), cases.end());
    return cases;
}

// Whether every draw of m of 1..n meets some line in t or more numbers.
inline bool KeepsGuarantee(const Rows& lines, int n, int t, int m) {
    const Rows draws = Cases(n, m);
    return std::all_of(draws.begin(), draws.end(),
                       [&](const std::vector<int>& draw) { return Best(lines, SetOf(draw)) >= t; });
}

} // namespace quorvex::brute
