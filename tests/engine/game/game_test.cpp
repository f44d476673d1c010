// Games: their checks, money and cost in words, a game kept as a line, and the
// expected prize against the average over every draw of a small game.

#include "brute_force.h"
#include "game.h"
#include "game_keys.h"
#include "printing.h"
#include "prizes.h"
#include "ticket.h"

#include <gtest/gtest.h>

#include <bit>

using namespace quorvex;

namespace {

TEST(Game, RefusesWhatNoGameIs) {
    for (const Game& game : StandardGames()) {
        EXPECT_EQ(GameProblem(game), std::nullopt) << game.name;
    }
    const struct {
        const char* why;
        Game game;
    } refused[] = {
        {"one ball", {"x", 1, 1, 100, {}}},
        {"91 balls", {"x", 91, 6, 100, {}}},
        {"none drawn", {"x", 49, 0, 100, {}}},
        {"21 drawn", {"x", 90, 21, 100, {}}},
        {"more than it has", {"x", 5, 6, 100, {}}},
        {"a price below 0", {"x", 49, 6, -1, {}}},
        {"a prize for 7 of 6", {"x", 49, 6, 100, {0, 0, 0, 0, 0, 0, 0, 5}}},
        {"a prize below 0", {"x", 49, 6, 100, {0, -5}}},
    };
    for (const auto& [why, game] : refused) {
        EXPECT_TRUE(GameProblem(game)) << why;
    }
}

TEST(Game, SaysMoneyAndCost) {
    const struct {
        Money amount;
        const char* text;
    } amounts[] = {{0, "0.00"},   {5, "0.05"},         {109, "1.09"},  {110, "1.10"},
                   {100, "1.00"}, {123456, "1234.56"}, {-25, "-0.25"}, {-1205, "-12.05"}};
    for (const auto& [amount, text] : amounts) {
        EXPECT_EQ(MoneyText(amount), text) << amount;
    }
    EXPECT_EQ(CostText(550, 100), "550 tickets \u00D7 1.00 = 550.00");
    EXPECT_EQ(CostText(1, 250), "1 ticket \u00D7 2.50 = 2.50");
}

// The largest price the Game dialog takes, times more tickets than any wheel has: exact.
TEST(Game, CostsNeverOverflow) {
    const struct {
        std::uint64_t tickets;
        Money price;
        const char* cost;
    } cases[] = {
        {100000, 100000000000000, "100000 tickets \u00D7 1000000000000.00 = 100000000000000000.00"},
        {~std::uint64_t{0}, 100000000000000,
         "18446744073709551615 tickets \u00D7 1000000000000.00 = "
         "18446744073709551615000000000000.00"},
        {3, INT64_MAX, "3 tickets \u00D7 92233720368547758.07 = 276701161105643274.21"},
    };
    for (const auto& [tickets, price, cost] : cases) {
        EXPECT_EQ(CostText(tickets, price), cost) << tickets << " tickets at " << price;
    }
    EXPECT_EQ(MoneyText(-CostOf(~std::uint64_t{0}, INT64_MAX)),
              "-1701411834604692317040171876053197783.05");
}

TEST(Game, IsKeptAsALine) {
    const Game game{"My 5 of 35", 35, 5, 150, {0, 0, 100, 1000, 50000, 10000000}};
    EXPECT_EQ(GameLine(game), "My 5 of 35|35|5|150|0,0,100,1000,50000,10000000");
    EXPECT_EQ(GameFromLine(GameLine(game)), game);
    EXPECT_EQ(GameFromLine(GameLine(StandardGames()[1])), StandardGames()[1]);
    for (const char* line : {"", "x|49|6|100", "x|49|6|1o0|", "x|49|7|100|1,2,3,4,5,6,7,8,9",
                             "x|49|6|100|1,,2", "|49|6|100|", "x|5|6|100|", "x|y|49|6|100",
                             "x|4294967345|6|100|", "x|49|4294967302|100|"}) { // 2^32 + 49, + 6
        EXPECT_EQ(GameFromLine(line), std::nullopt) << line;
    }
}

// Whatever the player names a game, the name comes back as it was.
TEST(Game, AnyNameComesBack) {
    for (const char* name : {"Lotto | Friday", "|", "a||b", "|49|6|100|", "Sábado, 6/49", " x "}) {
        const Game game{name, 49, 6, 250, {0, 0, 0, 500}};
        EXPECT_EQ(GameFromLine(GameLine(game)), game) << name;
    }
}

// Tickets of 3, 4 and 5 numbers in a 5-of-20 game, against the prize of each of the 15504 draws.
TEST(Prizes, ExpectedPrizeIsTheAverageOverEveryDraw) {
    const brute::Rows rows{
        {1, 2, 3}, {2, 3, 4, 5}, {1, 5, 9, 13, 17}, {1, 5, 9, 13, 17}, {7, 7, 8}};
    const LineList tickets = LinesOf(rows);
    const Game game{"5 of 20", 20, 5, 100, {0, 10, 50, 300, 2000, 100000}};
    double total = 0;
    const brute::Rows draws = brute::Cases(20, 5);
    for (const auto& draw : draws) {
        for (const auto& row : rows) {
            total += static_cast<double>(
                game.Prize(std::popcount(brute::SetOf(row) & brute::SetOf(draw))));
        }
    }
    EXPECT_NEAR(ExpectedPrize(tickets, game), total / static_cast<double>(draws.size()), 1e-9);
    EXPECT_EQ(ExpectedPrize(tickets, {"5 of 20", 20, 5, 100, {}}), 0);
    EXPECT_DOUBLE_EQ(HitChance(6, 3, StandardGames()[0]), 246820.0 / 13983816.0);
    EXPECT_EQ(HitChance(2, 3, StandardGames()[0]), 0);
}

// Numbers above P are never drawn: a ticket {1, 3} in a 1-of-2 game wins half the time.
TEST(Prizes, NumbersTheGameCannotDrawWinNothing) {
    const struct {
        std::vector<int> ticket;
        Game game;
        double expected;
    } cases[] = {
        {{1, 3}, {"1 of 2", 2, 1, 100, {0, 100}}, 50},
        {{1, 2}, {"1 of 2", 2, 1, 100, {0, 100}}, 100},
        {{3, 4}, {"1 of 2", 2, 1, 100, {7, 100}}, 7},
        {{1, 50, 60}, {"2 of 49", 49, 2, 100, {0, 100, 1000}}, 100.0 * 48 / 1176},
    };
    for (const auto& [ticket, game, expected] : cases) {
        EXPECT_NEAR(ExpectedPrize(LinesOf({ticket}), game), expected, 1e-9)
            << game.name << ", ticket " << ticket.size();
    }
}

// The question names the keys as the player sees them, one or many.
TEST(GameKeys, TheQuestionNamesTheKeysTheGameDoesNotDraw) {
    const Game game{"7 of 35", 35, 7, 100, {}};
    EXPECT_EQ(KeyNotDrawnText(game), "not drawn in 7 of 35");
    EXPECT_EQ(ClearKeysQuestion({52}, game), "Key 52 is not drawn in 7 of 35: clear it?");
    EXPECT_EQ(ClearKeysQuestion({36, 40, 49}, game),
              "Keys 36, 40, 49 are not drawn in 7 of 35: clear them?");
}

} // namespace
