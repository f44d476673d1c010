#pragma once
// What a held wheel is made of: its line lengths, and the lines a player
// should know about (they repeat a number, repeat an earlier line, or are
// shorter than the longest).

#include "line_list.h"

#include <cstddef>
#include <map>

namespace quorvex {

struct WheelProfile {
    std::size_t lines = 0;
    std::map<std::size_t, std::size_t> linesOfLength; // length -> how many lines
    int longestDistinct = 0;                          // the most distinct numbers on one line
    std::size_t repeatingLines = 0;                   // lines that hold a number twice or more
    std::size_t firstRepeating = 0;                   // the first of them, from 1
    std::size_t shorterLines = 0;                     // lines shorter than the longest
    std::size_t firstShorter = 0;                     // the first of them, from 1
    std::size_t sameLines = 0; // lines holding the same numbers as an earlier line
    std::size_t firstSame = 0; // the first of them, from 1
};

WheelProfile ProfileWheel(const LineList& lines);

} // namespace quorvex
