// The games players play: the common ones, their checks, money in words, a game as a line.
#include "game.h"

#include "combinations.h"

#include <charconv>

namespace quorvex {

namespace {

std::optional<std::int64_t> Whole(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The fields of a line, apart by '|'.
std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t bar; (bar = line.find('|')) != std::string_view::npos;) {
        fields.push_back(line.substr(0, bar));
        line.remove_prefix(bar + 1);
    }
    fields.push_back(line);
    return fields;
}

} // namespace

Money Game::Prize(int hits) const {
    return hits >= 0 && static_cast<std::size_t>(hits) < prizes.size()
               ? prizes[static_cast<std::size_t>(hits)]
               : 0;
}

bool Game::HasPrizes() const {
    for (Money prize : prizes) {
        if (prize != 0) {
            return true;
        }
    }
    return false;
}

const std::vector<Game>& StandardGames() {
    static const std::vector<Game> games = {
        {"6 of 49", 49, 6, 100, {}}, {"5 of 90", 90, 5, 100, {}}, {"6 of 90", 90, 6, 100, {}},
        {"5 of 50", 50, 5, 100, {}}, {"7 of 35", 35, 7, 100, {}}, {"20 of 80", 80, 20, 100, {}},
    };
    return games;
}

std::optional<Refusal> GameProblem(const Game& game) {
    if (game.balls < 2 || game.balls > kMaxBalls) {
        return Refusal{"A game has 2 to " + std::to_string(kMaxBalls) + " balls."};
    }
    if (game.drawn < 1 || game.drawn > kMostDrawn || game.drawn > game.balls) {
        return Refusal{"A game draws 1 to " + std::to_string(kMostDrawn) +
                       " balls, and no more than it has."};
    }
    if (game.price < 0 || game.prizes.size() > static_cast<std::size_t>(game.drawn) + 1) {
        return Refusal{"A price is never below 0, and a prize needs a number of hits 0 to " +
                       std::to_string(game.drawn) + "."};
    }
    for (Money prize : game.prizes) {
        if (prize < 0) {
            return Refusal{"A prize is never below 0."};
        }
    }
    return std::nullopt;
}

std::string MoneyText(MoneySum amount) {
    // The magnitude as unsigned, so that the most negative sum has one too.
    unsigned __int128 magnitude = amount < 0 ? -static_cast<unsigned __int128>(amount)
                                             : static_cast<unsigned __int128>(amount);
    std::string digits;
    for (int place = 0; place < 3 || magnitude != 0; ++place) {
        if (place == 2) {
            digits.push_back('.');
        }
        digits.push_back(static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    }
    if (amount < 0) {
        digits.push_back('-');
    }
    return {digits.rbegin(), digits.rend()};
}

MoneySum CostOf(std::uint64_t tickets, Money price) {
    return static_cast<MoneySum>(tickets) * price;
}

std::string CostText(std::uint64_t tickets, Money price) {
    return std::to_string(tickets) + (tickets == 1 ? " ticket" : " tickets") + " \u00D7 " +
           MoneyText(price) + " = " + MoneyText(CostOf(tickets, price));
}

// name|P|M|price|prize for 0 hits,prize for 1,...
std::string GameLine(const Game& game) {
    std::string prizes;
    for (std::size_t j = 0; j < game.prizes.size(); ++j) {
        prizes += (j == 0 ? "" : ",") + std::to_string(game.prizes[j]);
    }
    return game.name + "|" + std::to_string(game.balls) + "|" + std::to_string(game.drawn) + "|" +
           std::to_string(game.price) + "|" + prizes;
}

std::optional<Game> GameFromLine(std::string_view line) {
    std::vector<std::string_view> fields = Fields(line);
    if (fields.size() < 5) {
        return std::nullopt;
    }
    // A name holding '|' was split with the rest: the last four fields are the numbers.
    const std::size_t nameEnd =
        static_cast<std::size_t>(fields[fields.size() - 4].data() - line.data()) - 1;
    fields.erase(fields.begin() + 1, fields.end() - 4);
    fields[0] = line.substr(0, nameEnd);
    if (fields[0].empty()) {
        return std::nullopt;
    }
    const auto balls = Whole(fields[1]), drawn = Whole(fields[2]), price = Whole(fields[3]);
    if (!balls || !drawn || !price || *balls > kMaxBalls || *drawn > kMostDrawn) {
        return std::nullopt;
    }
    Game game{
        std::string(fields[0]), static_cast<int>(*balls), static_cast<int>(*drawn), *price, {}};
    std::string_view prizes = fields[4];
    while (!prizes.empty()) {
        const std::size_t comma = prizes.find(',');
        const auto prize = Whole(prizes.substr(0, comma));
        if (!prize) {
            return std::nullopt;
        }
        game.prizes.push_back(*prize);
        prizes.remove_prefix(comma == std::string_view::npos ? prizes.size() : comma + 1);
    }
    if (GameProblem(game)) {
        return std::nullopt;
    }
    return game;
}

} // namespace quorvex
