#pragma once
// Reading a file of past draws: one draw a line, an optional date first
// (2026-12-05 or 05/12/2026, a day that exists), then the numbers drawn, of
// which the first M count (a bonus ball or any other column after them is
// ignored), between the separators a wheel has. A header is passed over and
// counted: a line with no number at all, or before the first draw a line that
// holds words ("Date;Ball 1;Ball 2"). A line that is no draw of the game is
// skipped, and said why.

#include "refusal.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

struct PastDraw {
    std::size_t line = 0;     // in the file, from 1
    std::string date;         // as written, or empty
    int day = 0;              // the date as YYYYMMDD, for sorting; 0 when none
    std::vector<int> numbers; // the M drawn, in their order
};

struct SkippedLine {
    std::size_t line = 0;
    std::string reason; // "91 is not a number 1-90"
};

struct DrawHistory {
    std::vector<PastDraw> draws;
    std::vector<SkippedLine> skipped;
    std::size_t headers = 0;        // lines passed over as headers
    std::optional<Refusal> refusal; // no draw of the game in the text at all
};

DrawHistory ParseHistory(std::string_view text, int balls, int drawn);

// "312 draws read; 1 header line passed over; 2 lines skipped"
std::string HistorySummary(const DrawHistory& history);

// The summary, with a colon when lines were skipped, then "line 17: 91 is not a number 1-90"
// for each skipped line, ten at most, and "and 5 more".
std::vector<std::string> HistoryLines(const DrawHistory& history);

} // namespace quorvex
