// Split constructions: the splits a lotto goal has, and wheels joined from their parts.

#include "annealing.h"
#include "built_wheel.h"
#include "split_build.h"
#include "wheel_check.h"

using namespace quorvex;
using namespace quorvex::search;

namespace {

// Any m drawn put x_i in some part i: the thresholds less one each stay below m.
TEST(SplitBuild, SplitsKeepTheirParts) {
    const struct {
        WheelGoal goal;
        std::size_t parts;   // the most parts of any split
        const char* example; // one of the splits, by name
    } cases[] = {{{20, 6, 3, 6}, 2, "split 8 + 12: 3 if 3 and 3 if 4"},
                 {{12, 3, 2, 6}, 3, "split 4 + 4 + 4: 2 if 2, 2 if 2 and 2 if 2"},
                 {{9, 3, 2, 5}, 3, "split 3 + 3 + 3: 2 if 2, 2 if 2 and 2 if 2"}};
    for (const auto& [goal, most, example] : cases) {
        const std::vector<Split> splits = SplitsFor(goal);
        bool named = false;
        std::size_t largest = 0;
        for (const Split& split : splits) {
            int numbers = 0, slack = 0;
            for (const WheelGoal& part : split.parts) {
                EXPECT_FALSE(GoalProblem(part)) << SplitName(split);
                EXPECT_EQ(part.perTicket, goal.perTicket);
                EXPECT_GE(part.drawn, goal.atLeast);
                numbers += part.numbers;
                slack += part.drawn - 1;
            }
            EXPECT_EQ(numbers, goal.numbers) << SplitName(split);
            EXPECT_LT(slack, goal.drawn) << SplitName(split);
            named = named || SplitName(split) == example;
            largest = std::max(largest, split.parts.size());
        }
        EXPECT_TRUE(named) << example;
        EXPECT_EQ(largest, most);
    }
    EXPECT_TRUE(SplitsFor({20, 6, 3, 3}).empty()); // a covering has none
    EXPECT_TRUE(SplitsFor({20, 6, 4, 6}).empty()); // 4 if 6: (4 - 1) + (4 - 1) is not below 6
}

// The parts' wheels, built apart and joined, keep the whole goal.
TEST(SplitBuild, JoinedPartsKeepTheGoal) {
    for (const WheelGoal& goal : {WheelGoal{14, 5, 3, 5}, {12, 3, 2, 6}, {13, 4, 2, 5}}) {
        for (const Split& split : SplitsFor(goal)) {
            SCOPED_TRACE(SplitName(split));
            std::vector<std::vector<Set>> wheels;
            for (const WheelGoal& part : split.parts) {
                Progress progress;
                SearchBudget budget(progress, 60, 1000);
                Random random(5);
                BestFound found;
                SearchWheel wheel(part);
                Greedy(wheel, random, budget, found, "greedy");
                wheels.push_back(found.tickets);
            }
            ExpectWheel(CompleteWheel(goal, JoinParts(split, wheels)), goal);
        }
    }
}

} // namespace
