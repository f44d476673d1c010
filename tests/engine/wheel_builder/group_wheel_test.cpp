// The grouped wheel every goal gets before any search: checked draw by draw,
// its size against the count of its groups, and that it exists whatever the goal;
// and how a found wheel is completed, every number onto a ticket.

#include "built_wheel.h"
#include "combinations.h"
#include "group_wheel.h"
#include "printing.h"
#include "wheel_check.h"

#include <random>

using namespace quorvex;
using namespace quorvex::search;

namespace {

TEST(GroupWheel, KeepsTheGuaranteeWithTheTicketsItsGroupsGive) {
    const struct {
        WheelGoal goal;
        std::size_t tickets; // the smallest grouping's
    } cases[] = {
        {{17, 5, 1, 7}, 4},                      // disjoint: ceil(17 / 5)
        {{11, 4, 1, 8}, 3},  {{10, 3, 2, 6}, 4}, // 4 groups of 3: 6 drawn put 2 in one
        {{12, 4, 2, 4}, 3},                      // 3 groups of 4: 4 drawn put 2 in one
        {{9, 3, 3, 3}, 84},                      // every ticket: groups of 1
        {{14, 6, 3, 5}, 35},                     // 7 groups of 2, three a ticket
        {{20, 10, 2, 3}, 2},                     // two halves: 3 drawn put 2 in one
    };
    for (const auto& [goal, tickets] : cases) {
        SCOPED_TRACE(testing::PrintToString(goal));
        const GroupedWheel grouped = GroupWheel(goal);
        EXPECT_EQ(grouped.tickets.size(), tickets);
        ExpectWheel(CompleteWheel(goal, grouped.tickets), goal);
    }
}

// Whatever the goal a window accepts, a grouped wheel keeps it; checked draw by draw.
TEST(GroupWheel, EveryGoalHasOne) {
    std::mt19937 random(5);
    int checked = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const int n = std::uniform_int_distribution(2, 16)(random);
        const int k = std::uniform_int_distribution(1, n)(random);
        const int m = std::uniform_int_distribution(1, std::min(n, kMaxDrawn))(random);
        const int t = std::uniform_int_distribution(1, std::min(k, m))(random);
        const WheelGoal goal{n, k, t, m};
        SCOPED_TRACE(testing::PrintToString(goal));
        const GroupedWheel grouped = GroupWheel(goal);
        if (grouped.tickets.empty()) {
            // Only a wheel of more tickets than the limit is left to the searches.
            EXPECT_GT(Binomial((n + k / t - 1) / (k / t), t), kLargestGroupWheel);
        } else if (grouped.tickets.size() * Binomial(n, m) <= 2'000'000) { // where quick
            ++checked;
            ExpectWheel(CompleteWheel(goal, grouped.tickets), goal);
        }
    }
    EXPECT_GT(checked, 300);
}

// Past two million draws the numbers a wheel left out are written onto tickets
// of their own, the last one filled up with the lowest numbers.
TEST(CompleteWheel, GivesTheNumbersLeftOutTicketsOfTheirOwn) {
    const std::vector<Ticket> complete = CompleteWheel({40, 6, 2, 6}, {0b111111});
    const std::vector<Ticket> expected = {{1, 2, 3, 4, 5, 6},       {1, 2, 37, 38, 39, 40},
                                          {7, 8, 9, 10, 11, 12},    {13, 14, 15, 16, 17, 18},
                                          {19, 20, 21, 22, 23, 24}, {25, 26, 27, 28, 29, 30},
                                          {31, 32, 33, 34, 35, 36}};
    EXPECT_EQ(complete, expected);
}

} // namespace
