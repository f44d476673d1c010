#pragma once
// Checking a draw against the developed tickets: how many tickets hit how
// many of the drawn numbers, and which tickets hit the most.

#include "combinations.h"
#include "line_list.h"

#include <bitset>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

constexpr int kMostDrawn = 20;

struct DrawEntry {
    std::vector<int> numbers; // as typed
    std::string problem;      // why the entry is no draw, or empty
    // The entry at fault, in bytes of the text (length 0 when it is no one entry).
    std::size_t tokenStart = 0;
    std::size_t tokenLength = 0;
};

// Reads 1 to 20 distinct numbers 1..90 (games draw from up to 90 balls; a
// number above 49 is on no ticket), separated by spaces, tabs, commas or semicolons.
DrawEntry ParseDraw(std::string_view text);

struct DrawResult {
    std::bitset<kMaxBalls + 1> drawn; // the numbers drawn, for marking hits
    // ticketsWithHits[h]: how many tickets hold exactly h distinct drawn numbers.
    std::vector<std::size_t> ticketsWithHits;
    int mostHits = 0;
    // Positions (from 0, in listing order) of the first tickets that hit mostHits.
    std::vector<std::size_t> bestTickets;
};

DrawResult CheckDraw(const LineList& tickets, std::span<const int> drawn, std::size_t limit);

} // namespace quorvex
