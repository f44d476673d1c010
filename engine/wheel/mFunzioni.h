#pragma once
// Line lists and the functions over them: reading a matrix text, counting and
// checking its numbers, normalising and sorting a developed system. Each job
// lives in a file of its own; this is where the rest of the program finds them.

#include "line_list.h"
#include "line_sort.h"
#include "parse_matrix.h"
#include "refusal.h"

#include <optional>
#include <string_view>
#include <vector>

namespace quorvex {

// The distinct numbers the lines use, ascending.
std::vector<int> ListNumbers(const LineList& lines);

// Why the distinct numbers of some lines (as ListNumbers gives them) are not
// exactly 1..N, or nothing when they are.
std::optional<Refusal> MatrixProblem(const std::vector<int>& numbers);

// A wheel text read as ACQUIRE reads it: its lines, their distinct numbers, and
// why it is no wheel (a token that is no number 1..49, a number missing), or nothing.
struct WheelReading {
    LineList lines;
    std::vector<int> numbers;
    std::optional<Refusal> refusal;
};
WheelReading ReadWheel(std::string_view text);

} // namespace quorvex
