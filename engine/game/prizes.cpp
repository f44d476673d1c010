// The expected prize per draw of a set of tickets, from each ticket's chance of each hit count.
#include "prizes.h"

#include "combinations.h"

#include <bitset>
#include <map>

namespace quorvex {

double HitChance(int k, int j, const Game& game) {
    if (j < 0 || j > k || j > game.drawn || game.drawn - j > game.balls - k) {
        return 0;
    }
    return static_cast<double>(Binomial(k, j)) *
           static_cast<double>(Binomial(game.balls - k, game.drawn - j)) /
           static_cast<double>(Binomial(game.balls, game.drawn));
}

double ExpectedPrize(const LineList& tickets, const Game& game) {
    std::map<int, std::uint64_t> ofLength; // distinct numbers -> tickets
    for (std::size_t i = 0; i < tickets.size(); ++i) {
        std::bitset<256> numbers;
        for (Number n : tickets.line(i)) {
            numbers[n] = n >= 1 && n <= game.balls; // a number the game never draws wins nothing
        }
        ++ofLength[static_cast<int>(numbers.count())];
    }
    double expected = 0;
    for (const auto& [k, count] : ofLength) {
        for (int j = 0; j <= game.drawn; ++j) {
            expected += static_cast<double>(count) * static_cast<double>(game.Prize(j)) *
                        HitChance(k, j, game);
        }
    }
    return expected;
}

} // namespace quorvex
