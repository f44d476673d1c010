#pragma once
// The game a player plays: P balls, M of them drawn, the price of a ticket and,
// if the player sets them, the prize for each number of hits. Amounts are in
// the player's own currency (no sign is needed), kept in hundredths so that
// costs and sums are exact.

#include "refusal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

using Money = std::int64_t; // hundredths of the player's currency
// A sum of many amounts (draws x tickets x price, prizes won over a history):
// exact for every price and prize the Game dialog accepts, whatever the counts.
using MoneySum = __int128;

struct Game {
    std::string name = "6 of 49";
    int balls = 49;            // P, 2..90
    int drawn = 6;             // M, 1..20, at most P
    Money price = 100;         // one ticket
    std::vector<Money> prizes; // prizes[j]: a ticket holding j of the drawn; none set: empty

    bool operator==(const Game&) const = default;
    Money Prize(int hits) const;
    bool HasPrizes() const;
};

// The common formats, as data: 6 of 49, 5 of 90, 6 of 90, 5 of 50, 7 of 35, 20 of 80.
const std::vector<Game>& StandardGames();

// Why the game cannot be played, or nothing.
std::optional<Refusal> GameProblem(const Game& game);

// "1234.50", "-0.25"
std::string MoneyText(MoneySum amount);
// tickets x price, exactly.
MoneySum CostOf(std::uint64_t tickets, Money price);
// "550 tickets × 1.00 = 550.00"
std::string CostText(std::uint64_t tickets, Money price);

// A game as one line of the player's settings, and back; nothing for a line that is no game.
// The name comes first and may hold any character, '|' too: the fields after it hold none.
std::string GameLine(const Game& game);
std::optional<Game> GameFromLine(std::string_view line);

} // namespace quorvex
