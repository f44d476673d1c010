#pragma once
// Checking a draw against the developed tickets: how many tickets hit how
// many of the drawn numbers, and which tickets hit the most.

#include "combinations.h"
#include "line_list.h"
#include "refusal.h"

#include <bitset>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

struct DrawEntry {
    std::vector<int> numbers;       // as typed
    std::optional<Refusal> refusal; // why the entry is no draw, and the entry at fault
};

// Reads 1 to `most` distinct numbers 1..balls (games draw up to 20 of up to
// 90 balls; a number above 49 is on no ticket), between the separators a wheel has.
DrawEntry ParseDraw(std::string_view text, int balls = kMaxBalls, int most = kMostDrawn);

using DrawnSet = std::bitset<kMaxBalls + 1>;
// The numbers drawn as a set, for marking hits.
DrawnSet SetOfDrawn(std::span<const int> drawn);

struct DrawResult {
    DrawnSet drawn;
    // ticketsWithHits[h]: how many tickets hold exactly h distinct drawn numbers.
    std::vector<std::size_t> ticketsWithHits;
    int mostHits = 0;
    // Positions (from 0, in listing order) of the first tickets that hit mostHits.
    std::vector<std::size_t> bestTickets;
};

DrawResult CheckDraw(const LineList& tickets, std::span<const int> drawn, std::size_t limit);

} // namespace quorvex
