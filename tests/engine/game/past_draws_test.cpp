// Past draws tallied against the tickets, by subsets or ticket by ticket,
// against a plain count of every ticket on every draw; and the fairness test.

#include "fairness.h"
#include "past_draws.h"
#include "ticket.h"
#include "wheel_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

using namespace quorvex;

namespace {

TEST(PastDraws, TallyEveryTicketOnEveryDraw) {
    const Game sixOf49{"6 of 49", 49, 6, 100, {0, 0, 5, 20, 300, 9000, 1000000}};
    const struct {
        const char* regime;
        int numbers, lineWidth;
        std::size_t tickets, draws;
        Game game;
    } cases[] = {
        {"many draws, short tickets: by subsets", 14, 6, 2000, 300, sixOf49},
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
        bench::WheelRows onPicks = wheel;
        for (auto& row : onPicks) {
            for (int& k : row) {
                k = picks[static_cast<std::size_t>(k - 1)];
            }
        }
        const LineList tickets = LinesOf(onPicks);
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
        EXPECT_EQ(progress.Fraction(), 1.0) << "the bar stops short of the end";
        std::vector<std::uint64_t> reached(static_cast<std::size_t>(game.drawn) + 1, 0);
        MoneySum prizes = 0;
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
        EXPECT_EQ(tally->cost, static_cast<MoneySum>(drawCount * count) * game.price);
    }
    Progress cancelled;
    cancelled.Cancel();
    // Sums that no 64 bits hold: the dearest ticket, a prize of a thousand billion.
    const Game dear{"6 of 49", 49, 6, 100000000000000, {0, 0, 0, 0, 0, 0, 100000000000000}};
    Progress progress;
    const auto dearTally =
        TallyPastDraws(LinesOf({{1, 2, 3, 4, 5, 6}}),
                       std::vector(200000, PastDraw{1, "", 0, {1, 2, 3, 4, 5, 6}}), dear, progress);
    ASSERT_TRUE(dearTally);
    EXPECT_EQ(MoneyText(dearTally->cost), "200000000000000000.00");
    EXPECT_EQ(MoneyText(dearTally->prizes), "200000000000000000.00");
    EXPECT_FALSE(TallyPastDraws({}, {PastDraw{}}, StandardGames()[0], cancelled));
}

// A history read under another game is counted as this game draws: its first M
// numbers that are balls of it; nothing past the game's balls is touched.
TEST(PastDraws, DrawsOfAnotherGameAreCountedAsThisGameDrawsThem) {
    const LineList tickets = LinesOf({{1, 2, 3, 4, 5}});
    const struct {
        const char* name;
        std::vector<int> drawn;
        Game game;
        int mine;
        std::vector<std::uint64_t> times; // balls 1..5 and the last
    } cases[] = {
        {"six under 5 of 90", {1, 2, 40, 41, 90, 3}, StandardGames()[1], 2, {1, 1, 0, 0, 0, 1}},
        {"90 balls under 6 of 49", {1, 77, 90, 2, 3, 4}, StandardGames()[0], 4, {1, 1, 1, 1, 0, 0}},
        {"past any game", {1, 300, -4, 0, 2, 1000}, StandardGames()[5], 2, {1, 1, 0, 0, 0, 0}},
        {"a repeat", {5, 5, 5, 5, 5, 5, 5}, {"2 of 10", 10, 2, 100, {}}, 1, {0, 0, 0, 0, 1, 0}},
    };
    for (const auto& [name, drawn, game, mine, times] : cases) {
        const std::vector<PastDraw> draws{PastDraw{1, "", 0, drawn}};
        Progress progress;
        const auto tally = TallyPastDraws(tickets, draws, game, progress);
        ASSERT_TRUE(tally) << name;
        EXPECT_EQ(tally->draws[0].mine, mine) << name;
        EXPECT_EQ(tally->draws[0].best, mine) << name;
        EXPECT_EQ(tally->draws[0].withHits.size(), static_cast<std::size_t>(game.drawn) + 1)
            << name;
        const std::vector<std::uint64_t> counted = TimesDrawn(draws, game);
        ASSERT_EQ(counted.size(), static_cast<std::size_t>(game.balls) + 1) << name;
        std::vector<std::uint64_t> shown(counted.begin() + 1, counted.begin() + 6);
        shown.push_back(counted.back());
        EXPECT_EQ(shown, times) << name;
    }
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
    // A chance too small for a double is said as a bound, not as 0.
    std::vector<std::uint64_t> oneBall(81, 0);
    oneBall[1] = 100000;
    EXPECT_EQ(FairnessSentence(TestFairness(oneBall, 100000, 1)),
              "unlikely under a fair draw: p < 1e-300");
}

} // namespace
