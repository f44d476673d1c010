#pragma once
// A built wheel as text and in figures.

#include "ticket.h"

#include <string>
#include <utility>
#include <vector>

namespace quorvex {

// One ticket a line, numbers ascending, single spaces, LF.
std::string WheelText(const std::vector<Ticket>& tickets);

// How many tickets the number that appears least, and most, is on.
std::pair<std::size_t, std::size_t> Appearances(const std::vector<Ticket>& tickets, int numbers);

} // namespace quorvex
