// The wheel report against the plainest possible checker: every case, every
// line, bit masks and a popcount. Random small wheels of every shape.

#include "chances.h"
#include "draw_check.h"
#include "engine_fixture.h"
#include "report_text.h"
#include "wheel_profile.h"

#include <bit>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <random>
#include <sstream>

using namespace quorvex;

namespace {

struct SmallWheel {
    int numbers = 0;
    LineList lines;
    std::vector<std::uint64_t> sets; // bit n for number n
};

// N from 1 to 14; lines of 1 to 12 numbers, repeats and all.
SmallWheel RandomWheel(std::mt19937& random) {
    SmallWheel wheel;
    wheel.numbers = 1 + static_cast<int>(random() % 14);
    for (int l = 1 + static_cast<int>(random() % 10); l > 0; --l) {
        std::uint64_t set = 0;
        for (std::size_t i = 1 + random() % 12; i-- > 0;) {
            const auto n = static_cast<Number>(1 + random() % static_cast<unsigned>(wheel.numbers));
            wheel.lines.push(n);
            set |= std::uint64_t{1} << n;
        }
        wheel.lines.endLine();
        wheel.sets.push_back(set);
    }
    return wheel;
}

int Best(const std::vector<std::uint64_t>& lines, std::uint64_t drawn) {
    int best = 0;
    for (std::uint64_t line : lines) {
        best = std::max(best, std::popcount(line & drawn));
    }
    return best;
}

// Every m-set of 1..n, numbers ascending, the sets in ascending order.
std::vector<std::vector<int>> Cases(int n, int m) {
    std::vector<std::vector<int>> cases;
    for (std::uint64_t set = 0; set < (std::uint64_t{1} << n); ++set) {
        if (std::popcount(set) == m) {
            cases.emplace_back();
            for (int k = 1; k <= n; ++k) {
                if (set >> (k - 1) & 1) {
                    cases.back().push_back(k);
                }
            }
        }
    }
    std::sort(cases.begin(), cases.end());
    return cases;
}

std::uint64_t SetOf(const std::vector<int>& numbers) {
    std::uint64_t set = 0;
    for (int n : numbers) {
        set |= std::uint64_t{1} << n;
    }
    return set;
}

TEST(WheelReport, MatchesTheCheckerOnRandomWheels) {
    std::mt19937 random(9);
    for (int w = 0; w < 300; ++w) {
        const SmallWheel wheel = RandomWheel(random);
        const int n = wheel.numbers;
        const int drawn = 1 + static_cast<int>(random() % std::min(n, kMaxDrawn));
        SCOPED_TRACE("wheel " + std::to_string(w) + ", N " + std::to_string(n));
        Progress progress;
        const auto table = ComputeCoverage(WheelSetsOf(wheel.lines, n), drawn, progress);
        ASSERT_TRUE(table);
        EXPECT_DOUBLE_EQ(progress.Fraction(), 1.0);

        for (int m = 1; m <= drawn; ++m) {
            std::vector<std::uint64_t> want(static_cast<std::size_t>(m) + 1);
            int guarantee = m;
            for (const auto& c : Cases(n, m)) {
                const int best = Best(wheel.sets, SetOf(c));
                ++want[static_cast<std::size_t>(best)];
                guarantee = std::min(guarantee, best);
            }
            ASSERT_EQ(table->cases[static_cast<std::size_t>(m)], want) << "m " << m;
            ASSERT_EQ(table->Guarantee(m), guarantee) << "m " << m;
        }

        // Holes of a random size, in the wheel's numbers and in picked ones.
        const int m = 1 + static_cast<int>(random() % static_cast<unsigned>(drawn));
        const int t = 1 + static_cast<int>(random() % static_cast<unsigned>(m));
        std::vector<Number> picks(49);
        std::iota(picks.begin(), picks.end(), Number{1});
        std::shuffle(picks.begin(), picks.end(), random);
        picks.resize(static_cast<std::size_t>(n));
        for (bool picked : {false, true}) {
            Holes want;
            std::vector<std::vector<int>> named;
            for (const auto& c : Cases(n, m)) {
                if (Best(wheel.sets, SetOf(c)) < t) {
                    ++want.count;
                    named.push_back(c);
                    for (int& k : named.back()) {
                        k = picked ? picks[static_cast<std::size_t>(k - 1)] : k;
                    }
                    std::sort(named.back().begin(), named.back().end());
                }
            }
            std::sort(named.begin(), named.end());
            named.resize(std::min<std::size_t>(named.size(), 4));
            const auto holes =
                FindHoles(WheelSetsOf(wheel.lines, n, picked ? picks : std::vector<Number>{}), m, t,
                          4, progress);
            ASSERT_TRUE(holes);
            ASSERT_EQ(holes->count, want.count) << m << " " << t;
            ASSERT_EQ(holes->first, named) << m << " " << t << (picked ? " picked" : "");
        }

        // Chances: every draw of a small game, your numbers being 1..N.
        const int balls = std::max(n, drawn) + static_cast<int>(random() % 3);
        const auto profile = ProfileWheel(wheel.lines);
        const auto chances = ChancesPerDraw(*table, balls, profile.longestDistinct);
        ASSERT_EQ(chances.size(),
                  static_cast<std::size_t>(std::min(drawn, profile.longestDistinct)));
        std::vector<std::uint64_t> atLeast(static_cast<std::size_t>(drawn) + 2);
        std::uint64_t draws = 0;
        for (const auto& draw : Cases(balls, drawn)) {
            ++draws;
            for (int best = Best(wheel.sets, SetOf(draw)); best >= 0; --best) {
                ++atLeast[static_cast<std::size_t>(best)];
            }
        }
        for (const Chance& chance : chances) {
            EXPECT_EQ(chance.allDraws, draws);
            EXPECT_EQ(chance.draws, atLeast[static_cast<std::size_t>(chance.atLeast)])
                << "at least " << chance.atLeast;
        }
    }
}

TEST(WheelReport, CancelledWorkGivesNothing) {
    std::mt19937 random(3);
    const SmallWheel wheel = RandomWheel(random);
    Progress progress;
    progress.Cancel();
    EXPECT_FALSE(ComputeCoverage(WheelSetsOf(wheel.lines, wheel.numbers), 1, progress));
    EXPECT_FALSE(FindHoles(WheelSetsOf(wheel.lines, wheel.numbers), 1, 1, 10, progress));
}

// Published wheels reproduce the guarantee their sources state. The small
// LJCR coverings are kept in tests/data/wheels (CC BY 4.0, see SOURCES.md
// there); the others are read from ../shared/wheels when it is at hand.
TEST(WheelReport, PublishedWheelsKeepTheirStatedGuarantee) {
    struct Stated {
        const char* file;
        int m, t;
    };
    const Stated stated[] = {
        {"C_5_4_3.txt", 3, 3},        {"C_10_6_5.txt", 5, 5},         {"C_28_13_4.txt", 4, 4},
        {"C_16_6_5.txt", 5, 5},       {"C_20_6_5.txt", 5, 5},         {"C_30_6_5.txt", 5, 5},
        {"C_49_4_3.txt", 3, 3},       {"W_10_5_3if3_17.txt", 3, 3},   {"W_12_6_4if5_15.txt", 5, 4},
        {"W_15_7_5if7_27.txt", 7, 5}, {"W_36_5_4if5_5091.txt", 5, 4}, {"L_18_5_3if4_49.txt", 4, 3},
    };
    int checked = 0;
    for (const Stated& wheel : stated) {
        std::filesystem::path path = std::filesystem::path(QUORVEX_TEST_WHEELS) / wheel.file;
        if (!std::filesystem::exists(path)) {
            path = std::filesystem::path(QUORVEX_SHARED_WHEELS) / wheel.file;
        }
        std::ifstream file(path);
        if (!file) {
            continue;
        }
        std::stringstream text;
        text << file.rdbuf();
        ResetApplicationState();
        ASSERT_EQ(AcquireMatrix(text.str()).result, Acquisition::Valid) << wheel.file;
        Progress progress;
        const auto table =
            ComputeCoverage(WheelSetsOf(gMatrixLines, gMatrixNumberCount), wheel.m, progress);
        EXPECT_EQ(table->Guarantee(wheel.m), wheel.t) << wheel.file;
        ++checked;
    }
    EXPECT_GE(checked, 3) << "the wheels kept in tests/data/wheels are missing";
}

TEST(DrawCheck, MatchesTheCheckerOnRandomTickets) {
    std::mt19937 random(5);
    for (int round = 0; round < 200; ++round) {
        LineList tickets;
        std::vector<std::uint64_t> sets;
        for (int l = 1 + static_cast<int>(random() % 40); l > 0; --l) {
            std::uint64_t set = 0;
            for (std::size_t i = 1 + random() % 9; i-- > 0;) {
                const auto n = static_cast<Number>(1 + random() % 12);
                tickets.push(n);
                set |= std::uint64_t{1} << n;
            }
            tickets.endLine();
            sets.push_back(set);
        }
        std::vector<int> drawn(12);
        std::iota(drawn.begin(), drawn.end(), 1);
        std::shuffle(drawn.begin(), drawn.end(), random);
        drawn.resize(1 + random() % 6);
        const DrawResult result = CheckDraw(tickets, drawn, 3);

        const std::uint64_t drawnSet = SetOf(drawn);
        const int most = Best(sets, drawnSet);
        std::vector<std::size_t> withHits(drawn.size() + 1), best;
        for (std::size_t i = 0; i < sets.size(); ++i) {
            const int hits = std::popcount(sets[i] & drawnSet);
            ++withHits[static_cast<std::size_t>(hits)];
            if (hits == most && best.size() < 3) {
                best.push_back(i);
            }
        }
        ASSERT_EQ(result.ticketsWithHits, withHits);
        ASSERT_EQ(result.mostHits, most);
        ASSERT_EQ(result.bestTickets, best);
    }
}

TEST(DrawCheck, EntriesAreReadOrRefusedByName) {
    const std::pair<std::string, std::string> entries[] = {
        {"5 12,33;\t7 ,49", ""},
        {" 1 ", ""},
        {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20", ""},
        {"", "type the numbers drawn"},
        {" , ;", "type the numbers drawn"},
        {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21",
         "21 numbers: a draw has at most 20"},
        {"5 x7 9", "\"x7\" is not a number 1-49"},
        {"5 50", "\"50\" is not a number 1-49"},
        {"0", "\"0\" is not a number 1-49"},
        {"-3", "\"-3\" is not a number 1-49"},
        {"4294967301", "\"429496...\" is not a number 1-49"}, // would wrap round to 5
        {"7 07", "7 appears twice"},
    };
    for (const auto& [text, problem] : entries) {
        EXPECT_EQ(ParseDraw(text).problem, problem) << text;
    }
    EXPECT_EQ(ParseDraw("5 12,33;\t7 ,49").numbers, (std::vector<int>{5, 12, 33, 7, 49}));
}

TEST(WheelReport, DescribesTheWheelInWords) {
    ASSERT_EQ(AcquireMatrix("1 2 3\n3 4 5\n1 1 2 5\n2 4\n").result, Acquisition::Valid);
    const WheelProfile mixed = ProfileWheel(gMatrixLines);
    EXPECT_EQ(LengthsText(mixed), "2 (1 line), 3 (2 lines), 4 (1 line)");
    EXPECT_EQ(
        WarningsText(mixed),
        (std::vector<std::string>{
            "1 line repeats a number (the first is line 3); a repeat counts once towards a win.",
            "3 lines are shorter than the longest (the first is line 1)."}));
    EXPECT_EQ(mixed.longestDistinct, 3);
    ASSERT_EQ(AcquireMatrix("1 2\n2 3\n").result, Acquisition::Valid);
    EXPECT_EQ(LengthsText(ProfileWheel(gMatrixLines)), "all 2");
    EXPECT_TRUE(WarningsText(ProfileWheel(gMatrixLines)).empty());

    EXPECT_EQ(GuaranteeSentence(4, 3, 12),
              "Whenever 4 of your 12 numbers are drawn, at least one ticket holds 3 of them.");
    EXPECT_EQ(GuaranteeSentence(1, 1, 5),
              "Whenever 1 of your 5 numbers is drawn, at least one ticket holds it.");
    EXPECT_EQ(GuaranteeSentence(5, 5, 9),
              "Whenever 5 of your 9 numbers are drawn, at least one ticket holds all 5 of them.");
    EXPECT_EQ(GuaranteeSentence(3, 0, 9),
              "Whenever 3 of your 9 numbers are drawn, no ticket is sure to hold any of them.");
}

} // namespace
