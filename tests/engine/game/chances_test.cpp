// The chances per draw against every draw of small games, counted here one by
// one with exact fractions, for wheels smaller and larger than the draw.

#include "brute_force.h"
#include "chances.h"
#include "ticket.h"
#include "wheel_profile.h"

#include <gtest/gtest.h>

using namespace quorvex;

namespace {

TEST(Chances, MatchEveryDrawOfSmallGames) {
    const brute::Rows covering{{1, 2, 3, 4}, {1, 2, 3, 5}, {1, 2, 4, 5}, {1, 3, 4, 5}}; // C(5,4,3)
    const brute::Rows ten{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {1, 3, 5, 7, 9}, {2, 4, 6, 8, 10}};
    const struct {
        const char* name;
        const brute::Rows& wheel;
        int numbers, balls, drawn;
    } games[] = {
        {"5 numbers, 6 of 12: a wheel smaller than the draw", covering, 5, 12, 6},
        {"5 numbers, 3 of 9", covering, 5, 9, 3},
        {"5 numbers, 10 of 15: more than 8 drawn", covering, 5, 15, 10},
        {"10 numbers, 10 of 14: cases past the table", ten, 10, 14, 10},
        {"10 numbers, 9 of 10", ten, 10, 10, 9},
    };
    for (const auto& [name, wheel, numbers, balls, drawn] : games) {
        SCOPED_TRACE(name);
        const LineList lines = LinesOf(wheel);
        Progress progress;
        const auto table =
            ComputeCoverage(WheelSetsOf(lines, numbers), CasesToCount(numbers, drawn), progress);
        ASSERT_TRUE(table);
        std::vector<std::uint64_t> atLeast(static_cast<std::size_t>(drawn) + 2, 0);
        const brute::Rows draws = brute::Cases(balls, drawn);
        for (const auto& draw : draws) {
            for (int best = brute::Best(wheel, brute::SetOf(draw)); best > 0; --best) {
                ++atLeast[static_cast<std::size_t>(best)];
            }
        }
        const int longest = ProfileWheel(lines).longestDistinct;
        const auto chances = ChancesPerDraw(*table, balls, drawn, longest);
        ASSERT_EQ(chances.size(), static_cast<std::size_t>(std::min(drawn, longest)));
        for (const Chance& chance : chances) {
            SCOPED_TRACE("t = " + std::to_string(chance.atLeast));
            EXPECT_EQ(chance.allDraws, draws.size());
            const std::uint64_t truth = atLeast[static_cast<std::size_t>(chance.atLeast)];
            if (chance.exact) {
                EXPECT_EQ(chance.draws, truth);
            } else {
                EXPECT_LE(chance.draws, truth) << "a lower bound above the truth";
            }
        }
    }
}

// Past the table, a chance is exact up to the guarantee for 8 and a lower bound above it.
TEST(Chances, SayWhenTheyAreLowerBounds) {
    brute::Rows wheel;
    for (int i = 1; i <= 12; ++i) {
        wheel.push_back({i, i % 12 + 1, (i + 1) % 12 + 1, (i + 4) % 12 + 1});
    }
    const LineList lines = LinesOf(wheel);
    Progress progress;
    const auto table = ComputeCoverage(WheelSetsOf(lines, 12), CasesToCount(12, 10), progress);
    ASSERT_EQ(table->drawn, 8);
    const int guarantee = table->Guarantee(8);
    for (const Chance& chance : ChancesPerDraw(*table, 20, 10, 4)) {
        EXPECT_EQ(chance.exact, chance.atLeast <= guarantee) << chance.atLeast;
    }
    EXPECT_EQ(CasesToCount(5, 6), 5);
    EXPECT_EQ(CasesToCount(49, 20), 8);
    EXPECT_EQ(CasesToCount(12, 3), 3);
}

} // namespace
