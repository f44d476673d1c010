// Past draws read from a file: each line a draw, passed over, or skipped with its reason.

#include "draw_history.h"
#include "printing.h"
#include "wheel_file.h"

#include <gtest/gtest.h>

using namespace quorvex;

namespace {

TEST(DrawHistory, ReadsDrawsAndSaysWhichLinesItSkipped) {
    const struct {
        const char* line;
        const char* reason; // "" for a draw, "-" for a line passed over
        const char* date;
    } lines[] = {
        {"Date;N1;N2;N3;N4;N5;N6;Bonus", "-", ""},     // a header
        {"Lotto 2026: Ball 1;Ball 2;Ball 3", "-", ""}, // before the first draw, words are headers
        {"2026-12-05 3 11 19 27 35 43", "", "2026-12-05"},
        {"05/12/2026;1;2;3;4;5;6;7", "", "05/12/2026"}, // a bonus ball, ignored
        {"\t8,9, 10 ;11 12 13\r", "", ""},
        {"", "-", ""},
        {"2026-12-06 1 2 3 4 5", "5 numbers, not 6", ""},
        {"1 2 3 4 5 50", "50 is not a number 1-49", ""},
        {"1 2 3 4 4 5", "4 appears twice", ""},
        {"1 2 x 4 5 6", "\"x\" is not a number 1-49", ""},
        {"2026-13-05 1 2 3 4 5 6", "2026-13-05 is not a date", ""}, // no 13th month
        {"31/02/2026 1 2 3 4 5 6", "31/02/2026 is not a date", ""},
        {"29/02/2026 1 2 3 4 5 6", "29/02/2026 is not a date", ""}, // 2026 is no leap year
        {"29/02/2028 1 2 3 4 5 6", "", "29/02/2028"},
        {"2100-02-29 1 2 3 4 5 6", "2100-02-29 is not a date", ""}, // nor is 2100
        {"2000-02-29 1 2 3 4 5 6", "", "2000-02-29"},               // but 2000 is
        {"2026-04-31 1 2 3 4 5 6", "2026-04-31 is not a date", ""},
        {"2026-00-10 1 2 3 4 5 6", "2026-00-10 is not a date", ""},
        {"Ball 1 2 3 4 5 6", "\"Ball\" is not a number 1-49", ""}, // words after the first draw
        {"2026-12-07", "0 numbers, not 6", ""},
        {"1 2 3 4 5 6 is the draw", "", ""}, // what follows the draw is not read
        {"0 1 2 3 4 5", "0 is not a number 1-49", ""},
    };
    std::string text;
    for (const auto& line : lines) {
        text += std::string(line.line) + "\n";
    }
    const DrawHistory history = ParseHistory(text, 49, 6);
    std::size_t draw = 0, skipped = 0;
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        const std::string reason = lines[i].reason;
        SCOPED_TRACE(lines[i].line);
        if (reason.empty()) {
            ASSERT_LT(draw, history.draws.size());
            EXPECT_EQ(history.draws[draw].line, i + 1);
            EXPECT_EQ(history.draws[draw].numbers.size(), 6u);
            EXPECT_EQ(history.draws[draw++].date, lines[i].date);
        } else if (reason != "-") {
            ASSERT_LT(skipped, history.skipped.size());
            EXPECT_EQ(history.skipped[skipped].line, i + 1);
            EXPECT_EQ(history.skipped[skipped++].reason, reason);
        }
    }
    EXPECT_EQ(draw, history.draws.size());
    EXPECT_EQ(skipped, history.skipped.size());
    EXPECT_EQ(history.draws[1].numbers, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(history.draws[0].day, 20261205);
    EXPECT_EQ(history.draws[1].day, 20261205);
    EXPECT_EQ(history.refusal, std::nullopt);
    EXPECT_EQ(HistoryLines(history)[0],
              "6 draws read; 2 header lines passed over; 13 lines skipped:");
    EXPECT_EQ(HistoryLines(history)[1], "line 7: 5 numbers, not 6");
    EXPECT_EQ(HistorySummary(ParseHistory("1 2\nx\n", 9, 2)),
              "1 draw read; 1 header line passed over");
}

TEST(DrawHistory, RefusesAFileWithNoDraw) {
    for (const char* text : {"", "\n\n", "Date Numbers\n", "1 2 3\n4 5 6 7 8 91\n"}) {
        const DrawHistory history = ParseHistory(text, 90, 6);
        EXPECT_TRUE(history.draws.empty()) << text;
        EXPECT_EQ(Reason(history.refusal), "no draw of 6 numbers 1-90 in it") << text;
    }
    DrawHistory many = ParseHistory(std::string(12, '\n') + std::string(12 * 2, 'x'), 49, 6);
    for (int i = 0; i < 12; ++i) {
        many.skipped.push_back({static_cast<std::size_t>(i + 1), "bad"});
    }
    EXPECT_EQ(HistoryLines(many).size(), 12u); // the head, ten lines, and how many more
    EXPECT_EQ(HistoryLines(many).back(), "and 2 more");
}

// A history saved by an old program, in Latin-1: read as wheel files are.
TEST(DrawHistory, ReadsLatin1) {
    const WheelFileText file =
        DecodeWheelText("Tirage n\xB0;1;2;3;4;5\n01/02/2026;5;10;15;20;25\n");
    ASSERT_EQ(file.refusal, std::nullopt);
    const DrawHistory history = ParseHistory(file.text, 50, 5);
    ASSERT_EQ(history.draws.size(), 1u);
    EXPECT_EQ(history.skipped.size(), 0u);
    EXPECT_EQ(history.headers, 1u); // "Tirage n°;1;2;3;4;5" names the columns
}

} // namespace
