// Texts nobody means to paste: huge, binary, or all separators. Each must give
// a wheel or the invalid-matrix notice with its reason, never a crash. (The
// largest sizes are timed by make bench, not here.)

#include "engine_fixture.h"

using namespace quorvex;

namespace {

TEST_F(EngineTest, MillionsOfShortLines) {
    std::string text;
    for (int i = 0; i < 2'000'000; ++i) {
        text += i % 2 ? "2 1\n" : "1 2\r\n";
    }
    EXPECT_EQ(AcquireMatrix(text).statusText, "IN MEMORY: 2 NUMBERS - IN 2000000 LINES");
    PickKeys({48}, {49});
    ASSERT_EQ(DevelopSystem(), "Well Done ..!");
    const std::string listing = ListSystem().listing;
    EXPECT_EQ(listing.size(), 2'000'000u * 7);
    EXPECT_EQ(listing.substr(listing.size() - 7), "48 49\r\n");
}

TEST_F(EngineTest, OneLineOfAMillionNumbers) {
    std::string text;
    for (int i = 0; i < 1'000'000; ++i) {
        text += std::to_string(49 - i % 49) + (i % 3 ? " " : "\t");
    }
    EXPECT_EQ(AcquireMatrix(text).statusText, "IN MEMORY: 49 NUMBERS - IN 1 LINES");
    for (int key = 1; key <= 49; ++key) {
        ClickKey(key);
    }
    ASSERT_EQ(DevelopSystem(), "Well Done ..!");
    const std::string listing = ListSystem().listing;
    ASSERT_EQ(listing.size(), 3'000'001u); // one line: "01 01 ... 49\r\n"
    for (std::size_t i = 3; i + 2 < listing.size(); i += 3) {
        ASSERT_LE(listing.compare(i - 3, 2, listing, i, 2), 0) << "not ascending at " << i;
    }
    EXPECT_EQ(listing.substr(0, 6), "01 01 ");
    EXPECT_EQ(listing.substr(listing.size() - 4), "49\r\n");
}

TEST_F(EngineTest, OneLineOfTensOfMegabytes) {
    const std::string text = std::string(30'000'000, ' ') + "1";
    EXPECT_EQ(AcquireMatrix(text).statusText, "IN MEMORY: 1 NUMBERS - IN 1 LINES");
    const std::string junk(30'000'000, 'z');
    EXPECT_EQ(AcquireMatrix(junk).notice,
              "Invalid Matrix ..!|line 1: \"zzzzzz...\" is not a number 1-49");
}

} // namespace
