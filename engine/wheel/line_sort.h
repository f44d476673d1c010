#pragma once
// Sorting a developed system: the numbers within each line, then the lines
// by their two-digit text. Every shape of wheel sorts in linear or
// near-linear time, and the order never depends on which way was taken.

#include "line_list.h"

#include <span>

namespace quorvex {

// Puts the numbers of every line in ascending order, then the lines in
// ascending order, a line that is the start of another first. That is the
// order of their two-digit texts: every number is two characters wide.
// Numbers are 1 or more, so 0 can pad a short line to a fixed size.
void SortLines(LineList& lines);

} // namespace quorvex
