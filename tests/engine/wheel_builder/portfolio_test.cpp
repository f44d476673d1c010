// Building wheels with the whole portfolio: every wheel is checked here by
// brute force, not by the report engine the builder itself uses; then a
// seed's repeatability, a held wheel shrunk, and Stop and the time limit in
// every phase.

#include "built_wheel.h"
#include "draw_counts.h"
#include "portfolio.h"
#include "printing.h"
#include "stopwatch.h"

#include <chrono>
#include <cmath>
#include <thread>

using namespace quorvex;

namespace {

BuildOutcome Build(const WheelGoal& goal, std::uint64_t seed, std::uint64_t steps,
                   std::vector<Ticket> start = {}, int threads = 1) {
    BuildRequest request{.goal = goal, .seed = seed, .seconds = 600, .maxSteps = steps};
    request.threads = threads;
    request.start = std::move(start);
    Progress progress;
    return BuildWheel(request, progress);
}

} // namespace

// Covering designs (m = t) and lotto designs (m > t), k from 2 to 8, several seeds.
TEST(WheelBuild, EveryBuiltWheelKeepsItsGuarantee) {
    const WheelGoal goals[] = {
        {5, 2, 1, 1},  {6, 2, 2, 2},  {7, 3, 2, 2},  {8, 4, 3, 3},  {9, 3, 2, 3},
        {9, 5, 3, 4},  {10, 6, 5, 5}, {10, 4, 2, 5}, {11, 7, 4, 6}, {12, 8, 5, 6},
        {12, 6, 4, 5}, {13, 5, 3, 3}, {12, 3, 1, 4}, {14, 4, 2, 2}, {11, 6, 2, 8},
    };
    for (const WheelGoal& goal : goals) {
        for (std::uint64_t seed : {1, 7, 2026}) {
            SCOPED_TRACE(testing::PrintToString(goal));
            const BuildOutcome built = Build(goal, seed, 20000);
            EXPECT_EQ(built.refusal, std::nullopt);
            ExpectWheel(built.tickets, goal);
            EXPECT_GE(built.guarantee, goal.atLeast);
            EXPECT_GE(built.tickets.size(), LowerBound(goal).value());
        }
    }
}

// Small coverings whose smallest size is the bound are found exactly, and the search
// ends there, long before its time: nothing smaller can exist.
TEST(WheelBuild, ReachesTheBoundWhereItIsTightAndStops) {
    const std::pair<WheelGoal, std::size_t> cases[] = {
        {{8, 4, 3, 3}, 14}, {{7, 3, 2, 2}, 7}, {{10, 4, 3, 3}, 30}, {{9, 3, 2, 2}, 12}};
    for (const auto& [goal, smallest] : cases) {
        SCOPED_TRACE(testing::PrintToString(goal));
        BuildRequest request{.goal = goal, .seed = 3, .seconds = 20};
        Progress progress;
        Stopwatch search;
        search.Start();
        EXPECT_EQ(BuildWheel(request, progress).tickets.size(), smallest);
        EXPECT_LT(search.Seconds(), 10.0) << "the search went on past the bound";
    }
}

// Stuck at one size, the search goes back to its smallest wheel and drops a
// ticket: so 12 numbers, 6 a ticket, "4 if 5" take one ticket fewer than published.
TEST(WheelBuild, GoesBelowThePublishedLottoWheel) {
    EXPECT_EQ(Build({12, 6, 4, 5}, 1, 400'000).tickets.size(), 14u);
}

// A lotto guarantee may need fewer numbers than the wheel has; the others are swapped
// in where that loses nothing, so the wheel is no larger than using them all takes.
TEST(WheelBuild, BringsInEveryNumberWithoutGrowing) {
    for (const WheelGoal& goal : {WheelGoal{12, 3, 1, 4}, {11, 6, 2, 8}, {10, 4, 2, 5}}) {
        EXPECT_EQ(Build(goal, 7, 20000).tickets.size(),
                  static_cast<std::size_t>((goal.numbers + goal.perTicket - 1) / goal.perTicket))
            << testing::PrintToString(goal);
    }
}

// The two splits whose quick wheels are smallest are both built in earnest: for 20 numbers,
// 5 a ticket, "3 if 5" the runner-up, 11 + 9, ends smaller than the first, 10 + 10 (34).
TEST(WheelBuild, BuildsTheTwoMostPromisingSplits) {
    const BuildOutcome built = Build({20, 5, 3, 5}, 1, 100000);
    EXPECT_EQ(built.method, "split 11 + 9: 3 if 3 and 3 if 3");
    EXPECT_EQ(built.tickets.size(), 33u);
}

// One seed and its steps give one wheel, and each thread searches with a seed of its own:
// seeds 1, 2 and 3 find 73, 76 and 74 tickets; two threads keep the smaller wheel.
TEST(WheelBuild, EachThreadSearchesWithItsOwnSeed) {
    const WheelGoal goal{13, 6, 4, 4};
    EXPECT_EQ(Build(goal, 1, 30000, {}, 2).tickets, Build(goal, 1, 30000).tickets);
    EXPECT_EQ(Build(goal, 2, 30000, {}, 2).tickets, Build(goal, 3, 30000).tickets);
}

// A time too long for the clock to count is a week, not an overflow.
TEST(WheelBuild, AnyTimeLimitIsKept) {
    for (double seconds : {1e12, static_cast<double>(INFINITY), -5.0}) {
        BuildRequest request{.goal = {8, 4, 3, 3}, .seconds = seconds, .maxSteps = 5000};
        Progress progress;
        EXPECT_EQ(BuildWheel(request, progress).guarantee, 3) << seconds;
    }
}

// A player's wheel with tickets to spare is shrunk, and keeps its guarantee.
TEST(WheelBuild, StartsFromAHeldWheelAndDropsTickets) {
    const std::vector<Ticket> every = brute::Cases(7, 4); // all 35 tickets of 4 of 7 numbers
    const WheelGoal goal{7, 4, 3, 3};
    const BuildOutcome built = Build(goal, 5, 50000, every);
    ExpectWheel(built.tickets, goal);
    EXPECT_EQ(built.tickets.size(), 12u); // the best known C(7,4,3)

    EXPECT_EQ(Reason(StartProblem(goal, {{1, 2, 3, 8}})), "line 1 holds 8: the numbers are 1-7");
    EXPECT_TRUE(Build(goal, 1, 100, {{1, 2, 3}}).refusal);
    EXPECT_TRUE(Build({50, 6, 3, 3}, 1, 10).refusal);
}

TEST(WheelBuild, StopKeepsTheBestWheelSoFar) {
    BuildRequest request{.goal = {16, 6, 5, 5}, .seconds = 600};
    Progress progress;
    double shown = 0;
    std::thread stopper([&] {
        while (progress.Best() == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        shown = progress.Fraction(); // the bar moves with the time spent of the ten minutes
        progress.Cancel();
    });
    const BuildOutcome built = BuildWheel(request, progress);
    stopper.join();
    ASSERT_FALSE(built.tickets.empty());
    EXPECT_EQ(built.tickets.size(), progress.Best());
    EXPECT_EQ(built.guarantee, 5);
    EXPECT_TRUE(shown > 0 && shown < 0.01) << shown;

    Progress early; // stopped before a first wheel: none, and the reason
    early.Cancel();
    EXPECT_EQ(Reason(BuildWheel(request, early).refusal),
              "The search stopped before it found a wheel.");
}

// Stop is heard in every phase: a search stopped as a phase begins returns at once.
TEST(WheelBuild, StopIsHeardInEveryPhase) {
    const struct {
        WheelGoal goal;
        const char* phase; // "": whichever, a quarter of a second in (wide tickets)
    } cases[] = {{{20, 6, 5, 5}, "A first wheel"},
                 {{24, 6, 3, 6}, "Split wheels"},
                 {{20, 6, 5, 5}, "Orbit search"},
                 {{20, 6, 5, 5}, "Polishing"},
                 {{49, 6, 3, 6}, "Split wheels"},
                 {{44, 12, 3, 7}, ""},
                 {{36, 14, 2, 8}, ""},
                 {{38, 8, 4, 8}, ""}};
    for (const auto& [goal, phase] : cases) {
        SCOPED_TRACE(testing::PrintToString(goal) + ", " + phase);
        BuildRequest request{.goal = goal, .seconds = 3};
        Progress progress;
        Stopwatch sinceStop;
        std::thread stopper([&] {
            if (*phase == '\0') {
                std::this_thread::sleep_for(std::chrono::milliseconds(250));
            }
            while (*phase && std::string(progress.Phase()) != phase && progress.Fraction() < 1) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            sinceStop.Start();
            progress.Cancel();
        });
        BuildWheel(request, progress);
        stopper.join();
        // A ticket being taken in is not left half-way: on the widest goals (27 million
        // draws a ticket for 36/14/"2 if 8") that alone takes about a second.
        EXPECT_LT(sinceStop.Seconds(), (1.5 + search::TicketSeconds(goal)) * kSlowdown);
    }
}

// The time limit holds whatever the goal, among the heaviest and widest the
// window takes (tickets up to 14 numbers, draws up to 8), and each gets a wheel.
TEST(WheelBuild, KeepsTheTimeLimit) {
    const WheelGoal goals[] = {{49, 6, 3, 6},  {40, 6, 4, 6},  {49, 6, 4, 4},
                               {44, 12, 3, 7}, {36, 14, 2, 8}, {34, 10, 3, 8},
                               {42, 5, 1, 7},  {37, 6, 1, 8},  {38, 8, 4, 8}};
    for (const WheelGoal& goal : goals) {
        BuildRequest request{.goal = goal, .seconds = kSlowdown};
        Progress progress;
        Stopwatch search;
        search.Start();
        const BuildOutcome built = BuildWheel(request, progress);
        EXPECT_LT(search.Seconds(), 2.0 * kSlowdown) << testing::PrintToString(goal);
        EXPECT_FALSE(built.tickets.empty())
            << testing::PrintToString(goal) << ": " << Reason(built.refusal);
        EXPECT_EQ(built.guarantee >= goal.atLeast, true) << testing::PrintToString(goal);
    }
}
