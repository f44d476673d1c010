#pragma once
// How the player's tickets did in past draws: for each draw, how many of the
// player's numbers were drawn, the best ticket's hits, how many tickets hit
// each number of the drawn and what they won; for the whole history, in how
// many draws some ticket held t or more, how often each ball came out, and
// the cost of playing every draw against the prizes.
//
// A ticket's hits on a draw S (the drawn among the player's numbers) are
// |T ∩ S|. When the tickets are short, counting them as a table of how many
// tickets hold each set U of the player's numbers (every subset of every
// ticket) gives each draw's tally from the subsets of S alone, by inclusion
// and exclusion: the tickets holding exactly j of S number
//   sum over U ⊆ S, |U| >= j, of (-1)^(|U| - j) C(|U|, j) tickets(U).
// Long tickets are counted one by one.

#include "chances.h"
#include "draw_history.h"
#include "game.h"
#include "line_list.h"
#include "progress.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quorvex {

struct DrawTally {
    int mine = 0;                        // the player's numbers among the drawn
    int best = 0;                        // the most drawn numbers one ticket holds
    std::vector<std::uint64_t> withHits; // withHits[j]: tickets holding exactly j, j = 0..M
    MoneySum won = 0;                    // the prizes of every ticket, with a prize table
};

struct PastDrawsTally {
    std::vector<DrawTally> draws;       // in the history's order
    std::vector<std::uint64_t> reached; // reached[t]: draws in which some ticket held t or more
    MoneySum cost = 0;                  // every draw played with every ticket
    MoneySum prizes = 0;
};

// The tickets' numbers may run 1..P; the player's numbers are those they use,
// 64 at most. A draw is taken as the game reads it: its first M numbers that
// are balls of the game, each once; so a history read under another game
// cannot count more hits than the game draws. Nothing when cancelled.
std::optional<PastDrawsTally> TallyPastDraws(const LineList& tickets,
                                             const std::vector<PastDraw>& draws, const Game& game,
                                             Progress& progress);

// How often each ball 1..P was drawn, the draws read as the tally reads them; index 0 unused.
std::vector<std::uint64_t> TimesDrawn(const std::vector<PastDraw>& draws, const Game& game);

// The tickets as a wheel on its own numbers: the numbers they use, ascending,
// written 1..N, for the coverage table and the chances.
struct OwnWheel {
    LineList lines;
    int numbers = 0;
};
OwnWheel AsOwnWheel(const LineList& tickets);

// For each t, the draws in which some ticket held t or more, against what
// chance alone predicts: the draws times the chance of t or more.
struct Observed {
    int atLeast = 0;
    std::uint64_t observed = 0;
    double expected = 0;
    bool exact = true; // false: the expectation is a lower bound
};
std::vector<Observed> ObservedAgainstExpected(const PastDrawsTally& tally,
                                              const std::vector<Chance>& chances);

} // namespace quorvex
