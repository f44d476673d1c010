// The grouped wheel every goal gets before any search: checked draw by draw,
// its size against the count of its groups, and that it exists whatever the goal.

#include "brute_force.h"
#include "combinations.h"
#include "group_wheel.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <set>

using namespace quorvex;
using namespace quorvex::search;

namespace {

brute::Rows AsRows(const std::vector<Set>& tickets) {
    brute::Rows rows;
    for (Set ticket : tickets) {
        std::vector<int> row;
        for (int x = 0; x < 64; ++x) {
            if ((ticket >> x & 1) != 0) {
                row.push_back(x + 1);
            }
        }
        rows.push_back(row);
    }
    return rows;
}

std::string Name(const WheelGoal& goal) {
    return std::to_string(goal.numbers) + "/" + std::to_string(goal.perTicket) + " \"" +
           std::to_string(goal.atLeast) + " if " + std::to_string(goal.drawn) + "\"";
}

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
        const GroupedWheel grouped = GroupWheel(goal);
        const brute::Rows rows = AsRows(grouped.tickets);
        EXPECT_EQ(rows.size(), tickets) << Name(goal);
        for (const auto& row : rows) {
            ASSERT_EQ(static_cast<int>(row.size()), goal.perTicket) << Name(goal);
        }
        EXPECT_TRUE(brute::KeepsGuarantee(rows, goal.numbers, goal.atLeast, goal.drawn))
            << Name(goal);
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
        const GroupedWheel grouped = GroupWheel(goal);
        if (grouped.tickets.empty()) {
            // Only a wheel of more tickets than the limit is left to the searches.
            const int size = k / t;
            EXPECT_GT(Binomial((n + size - 1) / size, t), kLargestGroupWheel) << Name(goal);
            continue;
        }
        std::set<Set> distinct(grouped.tickets.begin(), grouped.tickets.end());
        EXPECT_EQ(distinct.size(), grouped.tickets.size()) << Name(goal);
        if (grouped.tickets.size() * Binomial(n, m) <= 2'000'000) { // draw by draw, where quick
            ++checked;
            EXPECT_TRUE(brute::KeepsGuarantee(AsRows(grouped.tickets), n, t, m)) << Name(goal);
        }
    }
    EXPECT_GT(checked, 300);
}

} // namespace
