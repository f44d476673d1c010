#pragma once
// The game chosen in Wheel > Game..., and the player's own games, kept
// between runs; the game in words, as every window names it.

#include "game.h"

#include <QString>

#include <vector>

namespace quorvex::ui {

Game CurrentGame();
void SetCurrentGame(const Game& game);

// The games the player saved, in the order saved.
std::vector<Game> OwnGames();
// Keeps the game under its name, in place of one of that name.
void SaveOwnGame(const Game& game);
void ForgetOwnGame(const QString& name);

// "6 of 49, 1.00 a ticket"
QString GameText(const Game& game);
// The money as the windows show it: "550.00".
QString MoneyString(MoneySum amount);

} // namespace quorvex::ui
