#pragma once
// Chances per draw: in a game that draws M balls out of P, how likely the best
// ticket is to hold at least t of the drawn numbers, for a wheel of N numbers,
// N smaller or larger than M.
//
// m of the N numbers are among the M drawn in C(N, m) * C(P - N, M - m) of the
// C(P, M) draws, 0 <= m <= min(N, M), and given m every case of size m is
// equally likely; so the draws that give t or more number sum(m) C(P - N, M - m)
// times the cases of size m with best >= t. The coverage table counts those
// cases for m up to 8. A case of more numbers holds cases of 8, and its best is
// at least theirs: when t is at most the guarantee for 8 every such case
// counts, exactly; otherwise at least the share of the cases of 8 with best >= t
// do, and the chance is a lower bound.

#include "coverage.h"
#include "game.h"
#include "line_list.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quorvex {

struct Chance {
    int atLeast = 0;            // t
    std::uint64_t draws = 0;    // draws in which some ticket holds t or more of the drawn
    std::uint64_t allDraws = 0; // C(P, M)
    bool exact = true;          // false: `draws` is only a lower bound

    double Probability() const {
        return static_cast<double>(draws) / static_cast<double>(allDraws);
    }
};

// The cases the table must count for a game drawing `drawn`: up to min(N, M, 8).
int CasesToCount(int numbers, int drawn);

// One chance for each t from 1 to min(M, longestLine), for a game of `balls`
// balls (N <= balls <= 90) drawing `drawn` (1..20) of them; the table counts
// the wheel's cases up to CasesToCount(N, drawn).
std::vector<Chance> ChancesPerDraw(const CoverageTable& table, int balls, int drawn,
                                   int longestLine);

// The chances of a wheel of N numbers in the game: none when N is more than
// the game's balls, as the player's numbers are balls of the game.
std::vector<Chance> ChancesInGame(const CoverageTable& table, int numbers, const Game& game,
                                  int longestLine);

// The same from the wheel's lines on 1..N, its table counted first; nothing
// when cancelled.
std::optional<std::vector<Chance>> WheelChances(const LineList& lines, int numbers,
                                                const Game& game, Progress& progress);

} // namespace quorvex
