#pragma once
// The lines that head saved and printed tickets: what they were developed
// from, as at GENERATE, whatever the keys or the held wheel show since.

#include "game.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

// "Quorvex - <date>", "Your numbers: 07* 30* 03 12 41 (* base)",
// "5 numbers; 6 of 49: 4 tickets × 1.00 = 4.00". Empty when nothing has been developed.
std::vector<std::string> TicketsHeader(std::string_view date, const Game& game);

} // namespace quorvex
