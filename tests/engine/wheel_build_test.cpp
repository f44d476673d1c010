// Building wheels: every built wheel is checked here by brute force, not by the
// report engine the builder itself uses; then the bounds, the library of best
// known wheels, the refusals, a seed's repeatability and Stop.

#include "best_known.h"
#include "brute_force.h"
#include "coverage.h"
#include "printing.h"
#include "wheel_search.h"
#include "wheel_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

using namespace quorvex;

namespace {

// Whether every m of 1..N meet some ticket in t or more numbers, trying every draw.
bool KeepsGuarantee(const std::vector<Ticket>& tickets, const WheelGoal& goal) {
    const brute::Rows draws = brute::Cases(goal.numbers, goal.drawn);
    return std::all_of(draws.begin(), draws.end(), [&](const std::vector<int>& draw) {
        return brute::Best(tickets, brute::SetOf(draw)) >= goal.atLeast;
    });
}

// What a built wheel must be whatever the goal: tickets of k distinct numbers
// 1..N, no two alike, in order, every number used, the guarantee kept.
void ExpectWheel(const std::vector<Ticket>& tickets, const WheelGoal& goal) {
    std::set<int> used;
    for (const Ticket& ticket : tickets) {
        const std::set<int> numbers(ticket.begin(), ticket.end());
        ASSERT_TRUE(static_cast<int>(numbers.size()) == goal.perTicket &&
                    numbers.size() == ticket.size() &&
                    std::is_sorted(ticket.begin(), ticket.end()) && *numbers.begin() >= 1 &&
                    *numbers.rbegin() <= goal.numbers);
        used.insert(ticket.begin(), ticket.end());
    }
    EXPECT_EQ(std::set<Ticket>(tickets.begin(), tickets.end()).size(), tickets.size());
    EXPECT_TRUE(std::is_sorted(tickets.begin(), tickets.end())); // listed in order
    EXPECT_EQ(static_cast<int>(used.size()), goal.numbers) << "a number is never used";
    EXPECT_TRUE(KeepsGuarantee(tickets, goal));
}

BuildOutcome Build(const WheelGoal& goal, std::uint64_t seed, std::uint64_t steps,
                   std::vector<Ticket> start = {}, int searches = 1) {
    BuildRequest request;
    request.threads = searches;
    request.goal = goal;
    request.seed = seed;
    request.maxSteps = steps;
    request.seconds = 600;
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
            SCOPED_TRACE(std::to_string(goal.numbers) + " " + std::to_string(goal.perTicket) + " " +
                         std::to_string(goal.atLeast) + " if " + std::to_string(goal.drawn));
            const BuildOutcome built = Build(goal, seed, 20000);
            EXPECT_EQ(built.refusal, std::nullopt);
            ExpectWheel(built.tickets, goal);
            EXPECT_GE(built.guarantee, goal.atLeast);
            EXPECT_GE(built.tickets.size(), LowerBound(goal).value());
        }
    }
}

// Small coverings whose smallest size is the bound are found exactly.
TEST(WheelBuild, ReachesTheBoundWhereItIsTight) {
    const std::pair<WheelGoal, std::size_t> cases[] = {
        {{8, 4, 3, 3}, 14}, {{7, 3, 2, 2}, 7}, {{10, 4, 3, 3}, 30}, {{9, 3, 2, 2}, 12}};
    for (const auto& [goal, smallest] : cases) {
        EXPECT_EQ(Build(goal, 3, 2'000'000).tickets.size(), smallest)
            << "N=" << goal.numbers << " k=" << goal.perTicket;
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
                  static_cast<std::size_t>((goal.numbers + goal.perTicket - 1) / goal.perTicket));
    }
}

// Searches side by side keep the smallest wheel: never larger than the first alone.
TEST(WheelBuild, SearchesSideBySideKeepTheSmallest) {
    for (std::uint64_t seed : {1, 2, 3, 4}) {
        EXPECT_LE(Build({13, 4, 3, 3}, seed, 20000, {}, 2).tickets.size(),
                  Build({13, 4, 3, 3}, seed, 20000).tickets.size());
    }
}

TEST(WheelBuild, TheSameSeedAndStepsGiveTheSameWheel) {
    const WheelGoal goal{11, 5, 3, 4};
    const BuildOutcome first = Build(goal, 42, 30000);
    EXPECT_EQ(Build(goal, 42, 30000).tickets, first.tickets);
}

// A player's wheel with tickets to spare is shrunk, and keeps its guarantee.
TEST(WheelBuild, StartsFromAHeldWheelAndDropsTickets) {
    const std::vector<Ticket> every = brute::Cases(7, 4); // all 35 tickets of 4 of 7 numbers
    const WheelGoal goal{7, 4, 3, 3};
    const BuildOutcome built = Build(goal, 5, 50000, every);
    ExpectWheel(built.tickets, goal);
    EXPECT_EQ(built.tickets.size(), 12u); // the best known C(7,4,3)

    EXPECT_TRUE(StartProblem(goal, {{1, 2, 3, 4}, {1, 2, 3}})); // a line of the wrong length
    EXPECT_TRUE(StartProblem(goal, {{1, 2, 2, 3}}));            // a repeat
    EXPECT_TRUE(StartProblem(goal, {{1, 2, 3, 8}}));            // a number outside 1..N
    EXPECT_TRUE(Build(goal, 1, 100, {{1, 2, 3}}).refusal);
}

TEST(WheelBuild, StopKeepsTheBestWheelSoFar) {
    BuildRequest request;
    request.goal = {16, 6, 5, 5};
    request.seconds = 600;
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

// Among them a draw larger than the wheel ({5, 3, 2, 6}) and one larger than a game's.
TEST(WheelBuild, RefusesGoalsThatCannotOrShouldNotBeBuilt) {
    const WheelGoal refused[] = {
        {1, 1, 1, 1},   {50, 6, 3, 3}, {10, 11, 3, 3}, {10, 0, 1, 1}, {10, 4, 5, 5}, {10, 6, 4, 3},
        {10, 6, 3, 11}, {12, 6, 3, 9}, {10, 6, 0, 3},  {49, 6, 3, 8}, {5, 3, 2, 6},
    };
    for (const WheelGoal& goal : refused) {
        SCOPED_TRACE(testing::PrintToString(goal));
        EXPECT_TRUE(GoalProblem(goal));
        EXPECT_TRUE(Build(goal, 1, 10).refusal);
        EXPECT_EQ(LowerBound(goal), std::nullopt);
    }
    // 14 million draws: large, but allowed; and the smallest wheel there is.
    EXPECT_EQ(GoalProblem({49, 6, 3, 6}), std::nullopt);
    EXPECT_EQ(GoalProblem({2, 1, 1, 2}), std::nullopt);
}

TEST(WheelBuild, LowerBounds) {
    const std::pair<WheelGoal, std::uint64_t> cases[] =
        {
            {{10, 6, 5, 5}, 44},   {{16, 6, 5, 5}, 728},  {{19, 4, 3, 3}, 257},
            {{31, 4, 3, 3}, 1163}, {{49, 4, 3, 3}, 4704}, {{24, 6, 4, 4}, 720},
            {{12, 6, 5, 5}, 132},  {{7, 4, 3, 3}, 11},    {{10, 1, 1, 1}, 10},
            {{12, 6, 4, 5}, 9},  // C(12,5) = 792 draws; a ticket meets 6*15 + 6 = 96 in 4 or more
            {{18, 5, 3, 4}, 23}, // 3060 draws; 10*13 + 5 = 135 a ticket
            {{10, 10, 4, 6}, 1},
        };
    for (const auto& [goal, bound] : cases) {
        EXPECT_EQ(LowerBound(goal), bound) << goal.numbers << " " << goal.perTicket;
    }
}

TEST(WheelLibrary, ReadsEntriesAndLeavesOutTheBadOnes) {
    const WheelLibrary library =
        ParseWheelLibrary("# comment\n"
                          "wheel 5 4 3 3 4 | Source A | Credit A\n"
                          "1 2 3 4\n1 2 3 5\n1 2 4 5\n1 3 4 5\r\n"
                          "size 5 4 3 3 5 | Source B | larger, so not the best\n"
                          "wheel 6 4 3 3 2 | Bad | one ticket too few\n"
                          "1 2 3 4\n"
                          "wheel 6 3 2 2 1 | Bad | a repeat\n"
                          "1 1 2\n"
                          "wheel 7 3 2 2 1 | Bad | a letter\n"
                          "1 x 2\n"
                          "wheel 5 4 3 3 4 | Bad | one ticket four times\n"
                          "1 2 3 4\n1 2 3 4\n1 2 3 4\n4 3 2 1\n"
                          "wheel 5 4 3 3 3 | Bad | 3 4 5 on no ticket\n"
                          "1 2 3 4\n1 2 3 5\n1 2 4 5\n"
                          "size 60 4 3 3 9 | Bad | too many numbers\n"
                          "size 4294967303 4 3 3 9 | Bad | would wrap to 7\n"
                          "size 12 6 4 5 15 | Published | a lotto design\r\n"
                          "size 12 6 4 five | Bad | not a number\n");
    ASSERT_EQ(library.wheels.size(), 3u);
    const KnownWheel* known = library.Find({5, 4, 3, 3});
    ASSERT_NE(known, nullptr);
    EXPECT_EQ(known->source + "/" + known->credit + "/" + std::to_string(known->size),
              "Source A/Credit A/4");
    EXPECT_EQ(WheelText(known->tickets), "1 2 3 4\n1 2 3 5\n1 2 4 5\n1 3 4 5\n");
    EXPECT_EQ(library.Find({12, 6, 4, 5})->credit, "a lotto design");
    EXPECT_TRUE(library.Find({6, 4, 3, 3}) == nullptr && library.Find({12, 6, 4, 4}) == nullptr);
    EXPECT_EQ(Appearances({{1, 2}, {1, 3}}, 3), (std::pair<std::size_t, std::size_t>{1, 2}));
}

// The library the program ships: every design is as large as it says and keeps its guarantee.
TEST(WheelLibrary, ShippedDesignsKeepTheirGuarantees) {
    std::ifstream file(QUORVEX_WHEEL_LIBRARY);
    std::stringstream text;
    text << file.rdbuf();
    const WheelLibrary library = ParseWheelLibrary(text.str());
    std::size_t designs = 0;
    for (const KnownWheel& known : library.wheels) {
        if (known.tickets.empty()) {
            continue;
        }
        ++designs;
        SCOPED_TRACE(testing::PrintToString(known.goal));
        LineList lines; // too many draws on 49 numbers to try one by one
        for (const Ticket& ticket : known.tickets) {
            for (int x : ticket) {
                lines.push(static_cast<Number>(x));
            }
            lines.endLine();
        }
        Progress progress;
        const auto table =
            ComputeCoverage(WheelSetsOf(lines, known.goal.numbers), known.goal.drawn, progress);
        EXPECT_GE(table->Guarantee(known.goal.drawn), known.goal.atLeast);
        EXPECT_GE(known.size, LowerBound(known.goal).value());
    }
    // Every design in the file is kept: none is refused as it is read.
    const std::string all = text.str();
    std::size_t written = 0;
    for (auto at = all.find("\nwheel "); at != std::string::npos;
         at = all.find("\nwheel ", at + 1)) {
        ++written;
    }
    EXPECT_EQ(designs, written);
    EXPECT_EQ(library.Find({16, 6, 5, 5})->size, 808u);
    EXPECT_EQ(library.Find({24, 6, 4, 4})->size, 784u);
    EXPECT_EQ(library.Find({15, 7, 5, 7})->size, 27u);
}
