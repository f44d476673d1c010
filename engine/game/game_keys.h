#pragma once
// What the keypad says about a game: the keys it does not draw, and the
// question asked before they are cleared for it.

#include "game.h"

#include <string>
#include <vector>

namespace quorvex {

// A key above the game's balls: "not drawn in 7 of 35".
std::string KeyNotDrawnText(const Game& game);

// "Keys 52, 67 are not drawn in 6 of 49: clear them?" ("Key 52 is ..." for one).
std::string ClearKeysQuestion(const std::vector<int>& keys, const Game& game);

} // namespace quorvex
