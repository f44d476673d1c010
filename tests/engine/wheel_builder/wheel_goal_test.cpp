// A goal's refusals and lower bounds, and the summary the Build window shows of it.

#include "engine_fixture.h"
#include "goal_summary.h"
#include "printing.h"

using namespace quorvex;

namespace {

// Among them a draw larger than the wheel ({5, 3, 2, 6}) and one past what a guarantee counts.
TEST(WheelGoal, RefusesGoalsThatCannotOrShouldNotBeBuilt) {
    const WheelGoal refused[] = {
        {1, 1, 1, 1},   {50, 6, 3, 3}, {10, 11, 3, 3}, {10, 0, 1, 1}, {10, 4, 5, 5}, {10, 6, 4, 3},
        {10, 6, 3, 11}, {12, 6, 3, 9}, {10, 6, 0, 3},  {49, 6, 3, 8}, {5, 3, 2, 6},
    };
    for (const WheelGoal& goal : refused) {
        SCOPED_TRACE(testing::PrintToString(goal));
        EXPECT_TRUE(GoalProblem(goal));
        EXPECT_EQ(LowerBound(goal), std::nullopt);
    }
    // The limits a refusal gives are the goal's own.
    EXPECT_EQ(Reason(GoalProblem({10, 6, 4, 3})),
              "The guarantee must be 1 to 3: no ticket holds more than its 6 numbers, nor more "
              "than the 3 drawn.");
    // 14 million draws: large, but allowed; and the smallest wheel there is.
    EXPECT_EQ(GoalProblem({49, 6, 3, 6}), std::nullopt);
    EXPECT_EQ(GoalProblem({2, 1, 1, 2}), std::nullopt);
}

TEST(WheelGoal, LowerBounds) {
    // {12, 6, 4, 5}: C(12,5) = 792 draws; a ticket meets 6*15 + 6 = 96 in 4 or more.
    // {18, 5, 3, 4}: 3060 draws; 10*13 + 5 = 135 a ticket.
    const struct {
        WheelGoal goal;
        std::uint64_t bound;
    } cases[] = {
        {{10, 6, 5, 5}, 44},   {{16, 6, 5, 5}, 728}, {{19, 4, 3, 3}, 257}, {{31, 4, 3, 3}, 1163},
        {{49, 4, 3, 3}, 4704}, {{24, 6, 4, 4}, 720}, {{12, 6, 5, 5}, 132}, {{7, 4, 3, 3}, 11},
        {{10, 1, 1, 1}, 10},   {{12, 6, 4, 5}, 9},   {{18, 5, 3, 4}, 23},  {{10, 10, 4, 6}, 1},
    };
    for (const auto& [goal, bound] : cases) {
        EXPECT_EQ(LowerBound(goal), bound) << testing::PrintToString(goal);
    }
    // Schönheim's bound is there only for designs that can exist.
    EXPECT_EQ(SchoenheimBound(10, 3, 4), std::nullopt);
    EXPECT_EQ(SchoenheimBound(5, 6, 3), std::nullopt);
    EXPECT_EQ(SchoenheimBound(10, 6, 0), 1u);
}

// What the window says of the held wheel, and the library design offered for a lotto goal.
TEST_F(EngineTest, GoalSummaryTellsWhyTheHeldWheelCannotStart) {
    const WheelLibrary library =
        ParseWheelLibrary("wheel 5 4 3 3 4 | Lib | C(5,4,3)\n1 2 3 4\n1 2 3 5\n1 2 4 5\n1 3 4 5\n"
                          "size 5 4 3 4 2 | Lib | a smaller lotto wheel, size only\n");
    const WheelGoal goal{5, 4, 3, 4};
    const struct {
        const char* wheel;
        const char* reason; // "" when the wheel can start a search
    } held[] = {
        {"", "no wheel is held"},
        {"1 2 3\n", "the held wheel has 3 numbers; set N to 3"},
        {"1 2 3 4 5\n", "its lines hold 5 numbers; set k to 5"},
        {"1 2 3 4\n1 2 5\n", "line 2 holds 3 numbers, not 4"},
        {"1 2 3 4\n5 1 5 2\n", "line 2 repeats 5"},
        {"4 3 2 1\n1 2 3 5\n", ""},
    };
    for (const auto& [wheel, reason] : held) {
        ResetState();
        AcquireMatrix(wheel);
        const GoalSummary summary =
            SummarizeGoal(goal, library, HeldWheel(), HeldWheelNumbers(), 8);
        EXPECT_EQ(Reason(summary.heldUnfit), reason) << wheel;
    }
    const GoalSummary summary = SummarizeGoal(goal, library, HeldWheel(), HeldWheelNumbers(), 1);
    EXPECT_EQ(summary.searches, 1);
    EXPECT_EQ(summary.boundKind, BoundKind::Counting);
    ASSERT_NE(summary.bestKnown, nullptr);
    EXPECT_EQ(summary.bestKnown->size, 2u);
    ASSERT_NE(summary.design, nullptr); // the covering keeps "3 if 4" too
    EXPECT_EQ(summary.design->credit, "C(5,4,3)");
    EXPECT_EQ(SummarizeGoal({5, 4, 3, 3}, library, {}, 0, 8).searches, 2);
    EXPECT_TRUE(SummarizeGoal({5, 6, 3, 3}, library, {}, 0, 8).refusal);

    // The 4-ticket design is offered until a smaller wheel is built, and said as what it is.
    const std::pair<std::size_t, bool> offered[] = {{0, true}, {5, true}, {4, true}, {3, false}};
    for (const auto& [built, offers] : offered) {
        EXPECT_EQ(OffersDesign(summary, built), offers) << built << " tickets built";
    }
    EXPECT_FALSE(OffersDesign(SummarizeGoal({5, 6, 3, 3}, library, {}, 0, 8), 0));
    // Nothing to cost, nothing said; the sentences themselves: the Build window's tests.
    EXPECT_EQ(CostsSentence(0, nullptr, goal, StandardGames()[0]), "");
}

TEST(WheelGoal, TheWindowStartsFromAGoalThatFitsThePicks) {
    const std::pair<int, WheelGoal> firsts[] = {
        {1, {10, 6, 3, 4}}, {2, {2, 2, 2, 2}}, {5, {5, 5, 3, 4}}};
    for (const auto& [picked, goal] : firsts) {
        EXPECT_EQ(FirstGoal(picked), goal) << picked << " picked";
    }
    const std::tuple<int, int, const char*> times[] = {{0, 1, "set to 1 s, the shortest"},
                                                       {1, 1, ""},
                                                       {600, 600, ""},
                                                       {601, 600, "set to 10 min, the longest"}};
    for (const auto& [typed, kept, note] : times) {
        EXPECT_EQ(KeptTimeLimit(typed).seconds, kept) << typed << " s typed";
        EXPECT_EQ(KeptTimeLimit(typed).note, note) << typed << " s typed";
    }
}

} // namespace
