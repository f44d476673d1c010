// Past draws tallied against the tickets, by subsets or ticket by ticket,
// against a plain count of every ticket on every draw; and the fairness test.

#include "fairness.h"
#include "past_draws.h"
#include "wheel_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>

using namespace quorvex;

namespace {

TEST(PastDraws, TallyEveryTicketOnEveryDraw) {
    const struct {
        const char* regime;
        int numbers, lineWidth;
        std::size_t tickets, draws;
        Game game;
    } cases[] = {
        {"many draws, short tickets: by subsets",
         14,
         6,
         2000,
         300,
         {"6 of 49", 49, 6, 100, {0, 0, 5, 20, 300, 9000, 1000000}}},
        {"few draws: ticket by ticket", 12, 5, 300, 20, {"5 of 90", 90, 5, 150, {0, 0, 100}}},
        {"long tickets: ticket by ticket", 30, 22, 40, 400, {"20 of 80", 80, 20, 100, {}}},
        {"numbers past 49", 20, 7, 500, 400, {"7 of 35", 35, 7, 100, {0, 0, 0, 1, 2, 3, 4, 5}}},
    };
    for (const auto& [regime, numbers, width, count, drawCount, game] : cases) {
        SCOPED_TRACE(regime);
        std::mt19937 random(7);
        // The player's numbers spread over the game's balls.
        std::vector<int> picks(static_cast<std::size_t>(game.balls));
        std::iota(picks.begin(), picks.end(), 1);
        std::shuffle(picks.begin(), picks.end(), random);
        picks.resize(static_cast<std::size_t>(numbers));
        const bench::WheelRows wheel =
            bench::RandomWheel(random, count, {numbers, width, width, false});
        LineList tickets;
        for (const auto& row : wheel) {
            for (int k : row) {
                tickets.push(static_cast<Number>(picks[static_cast<std::size_t>(k - 1)]));
            }
            tickets.endLine();
        }
        std::vector<PastDraw> draws(drawCount);
        for (PastDraw& draw : draws) {
            std::vector<int> balls(static_cast<std::size_t>(game.balls));
            std::iota(balls.begin(), balls.end(), 1);
            std::shuffle(balls.begin(), balls.end(), random);
            draw.numbers.assign(balls.begin(), balls.begin() + game.drawn);
        }
        Progress progress;
        const auto tally = TallyPastDraws(tickets, draws, game, progress);
        ASSERT_TRUE(tally);
        ASSERT_EQ(tally->draws.size(), draws.size());
        std::vector<std::uint64_t> reached(static_cast<std::size_t>(game.drawn) + 1, 0);
        Money prizes = 0;
        for (std::size_t d = 0; d < draws.size(); ++d) {
            const std::set<int> drawn(draws[d].numbers.begin(), draws[d].numbers.end());
            std::vector<std::uint64_t> withHits(static_cast<std::size_t>(game.drawn) + 1, 0);
            int best = 0;
            for (std::size_t i = 0; i < tickets.size(); ++i) {
                const auto line = tickets.line(i);
                const std::set<int> held(line.begin(), line.end());
                const int hits = static_cast<int>(std::count_if(
                    held.begin(), held.end(), [&](int n) { return drawn.count(n) > 0; }));
                ++withHits[static_cast<std::size_t>(hits)];
                best = std::max(best, hits);
                prizes += game.Prize(hits);
            }
            const int mine = static_cast<int>(std::count_if(
                picks.begin(), picks.end(), [&](int n) { return drawn.count(n) > 0; }));
            ASSERT_EQ(tally->draws[d].withHits, withHits) << "draw " << d;
            ASSERT_EQ(tally->draws[d].best, best) << "draw " << d;
            ASSERT_EQ(tally->draws[d].mine, mine) << "draw " << d;
            for (int t = 1; t <= best; ++t) {
                ++reached[static_cast<std::size_t>(t)];
            }
        }
        EXPECT_EQ(tally->reached, reached);
        EXPECT_EQ(tally->prizes, prizes);
        EXPECT_EQ(tally->cost, static_cast<Money>(drawCount * count) * game.price);
        std::vector<std::uint64_t> times(static_cast<std::size_t>(game.balls) + 1, 0);
        for (const PastDraw& draw : draws) {
            for (int n : draw.numbers) {
                ++times[static_cast<std::size_t>(n)];
            }
        }
        EXPECT_EQ(TimesDrawn(draws, game.balls), times);
    }
    Progress cancelled;
    cancelled.Cancel();
    EXPECT_FALSE(TallyPastDraws({}, {PastDraw{}}, StandardGames()[0], cancelled));
}

// Chi-square tails from tables, and the sentence either way.
TEST(Fairness, TestsHowOftenEachBallCameOut) {
    EXPECT_NEAR(ChiSquareTail(3.841459, 1), 0.05, 1e-6);
    EXPECT_NEAR(ChiSquareTail(18.307038, 10), 0.05, 1e-6);
    EXPECT_NEAR(ChiSquareTail(65.170769, 48), 0.05, 1e-6);
    EXPECT_NEAR(ChiSquareTail(4, 2), std::exp(-2.0), 1e-12); // two degrees: e^(-x/2)
    EXPECT_DOUBLE_EQ(ChiSquareTail(0, 5), 1);
    const Fairness even = TestFairness({0, 6, 6, 6, 6, 6, 6}, 12, 3); // six balls, all alike
    EXPECT_EQ(even.chiSquare, 0);
    EXPECT_EQ(even.degrees, 5);
    EXPECT_EQ(FairnessSentence(even), "consistent with a fair draw: p = 1.00");
    const Fairness loaded = TestFairness({0, 60, 0, 0, 0, 0, 0}, 60, 1);
    EXPECT_EQ(FairnessSentence(loaded).substr(0, 27), "unlikely under a fair draw:");
}

} // namespace
