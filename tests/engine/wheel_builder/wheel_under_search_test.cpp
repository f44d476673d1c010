// The wheel under search: how it grows a ticket.

#include "wheel_under_search.h"

#include <gtest/gtest.h>

#include <bit>

using namespace quorvex::search;

// A greedy ticket takes t numbers of an unmet draw, then the numbers used least.
TEST(SearchWheel, GreedyTicketsTakeTheNumbersUsedLeast) {
    const Set used = Bit(7) | Bit(8) | Bit(9) | Bit(10) | Bit(11); // 8-12, after the unused
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        SearchWheel wheel({12, 5, 2, 2});
        wheel.Add(used);
        Random random(seed);
        wheel.AddGreedily(random);
        EXPECT_LE(std::popcount(wheel.Tickets().back() & used), 1) << "seed " << seed;
    }
}
