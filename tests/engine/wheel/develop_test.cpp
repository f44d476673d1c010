// GENERATE and VIEW by example: each row acquires a wheel, clicks keys and
// develops; a notice instead of "Well Done ..!" must leave nothing developed.

#include "engine_fixture.h"
#include "printing.h"
#include "reference_model.h"
#include "ticket_header.h"

using namespace quorvex;

namespace {

const std::string kFourLines = "1 2 3\r\n1 2 4\r\n1 3 4\r\n2 3 4";
const std::string kWell = "Well Done ..!";
const std::string kWorkedListing = "05 10 20\r\n05 10 33\r\n05 20 33\r\n10 20 33\r\n";

TEST_F(EngineTest, GenerateGivesItsNoticeAndListing) {
    const struct {
        const char* name;
        std::string matrix;
        std::vector<int> selected, base;
        std::string notice, listing;
    } examples[] = {
        {"WorkedExample", kFourLines, {5, 20, 33}, {10}, kWell, kWorkedListing},
        // Base 40 takes the wheel's 1 although it is the highest key picked.
        {"BaseTakesTheLowest", "1\r\n2 3", {9, 7}, {40}, kWell, "07 09\r\n40\r\n"},
        {"AllBase", "1 2\r\n2 3", {}, {30, 7, 41}, kWell, "07 30\r\n30 41\r\n"},
        {"RepeatsKept", "1 1 2", {10}, {5}, kWell, "05 05 10\r\n"},
        {"SameLinesKept", "1 2\r\n2 1\r\n1 2", {1, 2}, {}, kWell, "01 02\r\n01 02\r\n01 02\r\n"},
        {"ShortFirst", "1 2 3\r\n1 2\r\n3", {10, 20, 30}, {}, kWell, "10 20\r\n10 20 30\r\n30\r\n"},
        {"OrdinalNotNumericLineOrder", "1 3\r\n2", {9, 10, 45}, {}, kWell, "09 45\r\n10\r\n"},
        {"NoMatrix", "", {1, 2, 3, 4}, {}, "Acquire the Matrix ..!", ""},
        {"InvalidMatrix", "1 3", {1, 2}, {}, "Acquire the Matrix ..!", ""},
        {"TooFew", kFourLines, {1}, {2}, "Select another 2 numbers ..!", ""},
        {"TooMany", kFourLines, {1, 2, 3, 4, 5, 6}, {}, "Unselect 2 numbers ..!", ""},
    };
    for (const auto& [name, matrix, selected, base, notice, listing] : examples) {
        SCOPED_TRACE(name);
        ResetState();
        AcquireMatrix(matrix);
        PickKeys(selected, base);
        const DevelopOutcome outcome = DevelopSystem();
        EXPECT_EQ(outcome.Notice(), notice);
        const bool developed = notice == kWell;
        EXPECT_EQ(outcome.developed, developed);
        EXPECT_EQ(PicksMatchWheel(), developed);
        EXPECT_EQ(PickedCount(), static_cast<int>(selected.size() + base.size()));
        EXPECT_EQ(HeldWheelNumbers() > 0, !HeldWheel().empty());
        EXPECT_EQ(DevelopedTickets().size(), developed ? HeldWheel().size() : 0u);
        EXPECT_EQ(ListSystem().listing, developed ? listing : "");
        EXPECT_EQ(ListSystem().listing, developed ? listing : "") << "twice must not differ";
        EXPECT_EQ(Reason(ListSystem().refusal), developed ? "" : "Sorry! No lines reduced ..!");
    }
}

// Saved and printed tickets say what they were developed onto, even after the
// keys change, and what they cost in the game played.
TEST_F(EngineTest, TicketsHeaderTellsWhatGenerateUsed) {
    const Game game{"5 of 35", 35, 5, 250, {}};
    EXPECT_TRUE(TicketsHeader("today", game).empty());
    AcquireMatrix(kFourLines);
    PickKeys({5, 20, 33}, {10});
    ASSERT_EQ(DevelopSystem().Notice(), kWell);
    EXPECT_EQ(ResetKeys().color, kFreeKeyColor);
    PickKeys({1});
    AcquireMatrix("1");
    const std::vector<std::string> header = TicketsHeader("7 December 2026", game);
    ASSERT_EQ(header.size(), 3u);
    EXPECT_EQ(header[0], "Quorvex - 7 December 2026");
    EXPECT_EQ(header[1], "Your numbers: 10* 05 20 33 (* base)");
    EXPECT_EQ(header[2], "4 numbers; 5 of 35: 4 tickets \u00D7 2.50 = 10.00");
    ASSERT_EQ(DevelopSystem().Notice(), kWell);
    EXPECT_EQ(TicketsHeader("d", game)[1], "Your numbers: 01");
    EXPECT_EQ(TicketsHeader("d", game)[2], "1 number; 5 of 35: 1 ticket \u00D7 2.50 = 2.50");
}

} // namespace

namespace {

// Developing onto keys of a game up to 90 balls gives what the plain model gives,
// base keys above 49 and a wheel of 49 numbers onto 49 of 90 keys included.
TEST_F(EngineTest, DevelopsOntoKeysUpTo90AsTheModelDoes) {
    std::string fortyNine; // every number once, then seven lines of seven
    for (int line = 0; line < 7; ++line) {
        for (int i = 1; i <= 7; ++i) {
            fortyNine += std::to_string(line * 7 + i) + (i == 7 ? "\n" : " ");
        }
    }
    fortyNine += "1 9 17 25 33 41 49\n7 13 19 25 31 37 43\n";
    std::vector<int> highKeys; // 42..90
    for (int key = 42; key <= 90; ++key) {
        highKeys.push_back(key);
    }
    const struct {
        const char* name;
        int balls;
        std::string wheel;
        std::vector<int> selected, base;
    } plays[] = {
        {"AllAbove49", 90, kFourLines, {52, 67, 88}, {90}},
        {"BaseAbove49", 90, "1 2 3\n2 3 4\n1 4 5", {3, 12, 49}, {77, 50}},
        {"FiftyBalls", 50, "1 2\n2 3", {1, 50}, {25}},
        {"TwentyOf80", 80, "1 2 3 4\n1 5 6 7\n2 5 8 9", {11, 23, 35, 47, 59, 71, 80}, {1, 60}},
        {"FortyNineOntoNinety", 90, fortyNine, highKeys, {}},
        // Lines of mixed lengths sort as padded records; 65 and 2 must not share a bit.
        {"MixedLengthsAbove63", 90, "1 2 3 4 5\n1 2 3 4\n", {2, 65, 70, 80, 90}, {}},
    };
    for (const auto& [name, balls, wheel, selected, base] : plays) {
        SCOPED_TRACE(name);
        ResetState();
        reference::Model model;
        SetKeyCount(balls);
        model.Play(balls);
        AcquireMatrix(wheel);
        model.Acquire(wheel);
        PickKeys(selected, base);
        for (int key : selected) {
            model.Click(key);
        }
        for (int key : base) {
            model.Click(key);
            model.Click(key);
        }
        EXPECT_EQ(DevelopSystem().Notice(), model.Develop());
        EXPECT_EQ(ListSystem().listing, model.List().listing);
        EXPECT_FALSE(ListSystem().listing.empty());
    }
}

} // namespace
