#pragma once
// Chances per draw: for a game that draws M balls out of P, how likely the
// best ticket is to hold at least t of the drawn numbers.
//
// m of your N numbers are among the M drawn in C(N, m) * C(P - N, M - m) of
// the C(P, M) draws, and given m every case of size m is equally likely, so
// the draws that give t or more number sum(m) C(P - N, M - m) * (cases of
// size m with best >= t): an exact count.

#include "coverage.h"

#include <cstdint>
#include <vector>

namespace quorvex {

struct Chance {
    int atLeast = 0;            // t
    std::uint64_t draws = 0;    // draws in which some ticket holds t or more drawn numbers
    std::uint64_t allDraws = 0; // C(P, M)

    double Probability() const {
        return static_cast<double>(draws) / static_cast<double>(allDraws);
    }
};

// One chance for each t from 1 to min(M, longestLine), for a game of `balls`
// balls (N <= balls <= 90) that draws table.drawn of them.
std::vector<Chance> ChancesPerDraw(const CoverageTable& table, int balls, int longestLine);

} // namespace quorvex
