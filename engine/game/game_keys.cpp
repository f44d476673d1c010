// The keypad's words about a game.
#include "game_keys.h"

namespace quorvex {

std::string KeyNotDrawnText(const Game& game) {
    return "not drawn in " + game.name;
}

std::string ClearKeysQuestion(const std::vector<int>& keys, const Game& game) {
    std::string listed;
    for (int key : keys) {
        listed += (listed.empty() ? "" : ", ") + std::to_string(key);
    }
    const bool one = keys.size() == 1;
    return (one ? "Key " : "Keys ") + listed + (one ? " is " : " are ") + KeyNotDrawnText(game) +
           (one ? ": clear it?" : ": clear them?");
}

} // namespace quorvex
