// The wheel under search: how it grows a ticket.

#include "wheel_under_search.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace quorvex::search;

// A greedy ticket takes t numbers of an unmet draw, then the numbers used least: so the
// one number no ticket uses goes in, be it the first, a middle or the last.
TEST(SearchWheel, GreedyTicketsTakeTheNumbersUsedLeast) {
    for (int lone : {0, 5, 11}) {
        std::vector<int> others(12); // 11 numbers, on tickets 1-5, 6-10 and 7-11 of them
        std::iota(others.begin(), others.end(), 0);
        others.erase(others.begin() + lone);
        for (std::uint64_t seed = 1; seed <= 4; ++seed) {
            SearchWheel wheel({12, 5, 2, 2});
            for (std::size_t from : {0, 5, 6}) {
                wheel.Add(Bit(others[from]) | Bit(others[from + 1]) | Bit(others[from + 2]) |
                          Bit(others[from + 3]) | Bit(others[from + 4]));
            }
            Random random(seed);
            wheel.AddGreedily(random);
            EXPECT_NE(wheel.Tickets().back() & Bit(lone), 0u) << lone << " left out, seed " << seed;
        }
    }
}
