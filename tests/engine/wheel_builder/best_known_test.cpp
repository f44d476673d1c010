// The library of best known wheels: read, checked as it is read, and the one shipped.

#include "best_known.h"
#include "coverage.h"
#include "printing.h"
#include "ticket.h"
#include "wheel_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace quorvex;

namespace {

TEST(WheelLibrary, ReadsEntriesAndLeavesOutTheBadOnes) {
    const WheelLibrary library =
        ParseWheelLibrary("# comment\n"
                          "wheel 5 4 3 3 4 | Source A | Credit A\n"
                          "1 2 3 4\n1 2 3 5\n1 2 4 5\n5 4 3 1\r\n"
                          "size 5 4 3 3 5 | Source B | larger, so not the best\n"
                          "size 5 4 3 3 4 | Source C | as small, but listed later\n"
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
                          "wheel 6 3 2 3 2 | Halves | any 3 drawn put 2 in one half\n"
                          "1 2 3\n4 5 6\n"
                          "wheel 7 3 2 3 2 | Bad | 1 4 7 drawn: 1 on each ticket\n"
                          "1 2 3\n4 5 6\n"
                          "size 60 4 3 3 9 | Bad | too many numbers\n"
                          "size 4294967303 4 3 3 9 | Bad | would wrap to 7\n"
                          "size 12 6 4 4294967301 14 | Bad | drawn would wrap to 5\n"
                          "size 12 6 4 5 15 | Published | a lotto design\r\n"
                          "size 12 6 4 five | Bad | not a number\n");
    ASSERT_EQ(library.wheels.size(), 5u);
    const KnownWheel* known = library.Find({5, 4, 3, 3});
    ASSERT_NE(known, nullptr);
    EXPECT_EQ(known->source, "Source A");
    EXPECT_EQ(known->credit, "Credit A");
    EXPECT_EQ(known->size, 4u);
    EXPECT_EQ(WheelText(known->tickets), "1 2 3 4\n1 2 3 5\n1 2 4 5\n1 3 4 5\n"); // ascending
    EXPECT_EQ(library.Find({12, 6, 4, 5})->credit, "a lotto design");
    EXPECT_EQ(library.Find({6, 4, 3, 3}), nullptr);
    EXPECT_EQ(library.Find({7, 3, 2, 3}), nullptr);
    EXPECT_EQ(library.Find({12, 6, 4, 4}), nullptr);
    EXPECT_EQ(library.DesignFor({12, 6, 4, 5}), nullptr); // a size alone is no design
    EXPECT_EQ(library.DesignFor({5, 4, 3, 5}), known);    // the covering keeps "3 if 5"
    EXPECT_EQ(library.DesignFor({5, 4, 2, 5}), nullptr);
    EXPECT_EQ(Appearances({{1, 2}, {1, 3}}, 3), (std::pair<std::size_t, std::size_t>{1, 2}));
}

// The library the program ships: every design is kept as it is read, as large
// as it says and keeping its guarantee by the report's count too.
TEST(WheelLibrary, ShippedDesignsKeepTheirGuarantees) {
    std::ifstream file(QUORVEX_WHEEL_LIBRARY);
    std::stringstream text;
    text << file.rdbuf();
    const std::string all = text.str();
    const WheelLibrary library = ParseWheelLibrary(all);
    std::size_t designs = 0;
    for (const KnownWheel& known : library.wheels) {
        if (known.tickets.empty()) {
            continue;
        }
        ++designs;
        SCOPED_TRACE(testing::PrintToString(known.goal));
        const LineList lines = LinesOf(known.tickets); // too many draws on 49 to try one by one
        Progress progress;
        const auto table =
            ComputeCoverage(WheelSetsOf(lines, known.goal.numbers), known.goal.drawn, progress);
        EXPECT_GE(table->Guarantee(known.goal.drawn), known.goal.atLeast);
        EXPECT_GE(known.size, LowerBound(known.goal).value());
    }
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

} // namespace
