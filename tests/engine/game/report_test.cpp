// The wheel report and the draw check: cancelling, published wheels, entries
// refused by name, the report in words. The figures themselves are checked
// against brute force by the fuzz targets, whose corpora replay with every run.

#include "brute_force.h"
#include "chances.h"
#include "draw_check.h"
#include "engine_fixture.h"
#include "report_text.h"
#include "wheel_file.h"
#include "wheel_generator.h"
#include "wheel_profile.h"

#include <cstdlib>
#include <filesystem>

using namespace quorvex;
using namespace quorvex::brute;

namespace {

TEST_F(EngineTest, CancelledWorkGivesNothing) {
    AcquireMatrix("1 2\n2 3");
    Progress progress;
    progress.Cancel();
    EXPECT_FALSE(ComputeCoverage(WheelSetsOf(gMatrixLines, 3), 1, progress));
    EXPECT_FALSE(FindHoles(WheelSetsOf(gMatrixLines, 3), 1, 1, 10, progress));
    for (int drawn : {1, 3}) { // and work done to the end fills the bar, never past it
        Progress whole;
        ASSERT_TRUE(ComputeCoverage(WheelSetsOf(gMatrixLines, 3), drawn, whole));
        EXPECT_DOUBLE_EQ(whole.Fraction(), 1.0);
    }
}

// Published wheels reproduce the guarantee their sources state. The small
// LJCR coverings are kept in tests/data/wheels (CC BY 4.0, see SOURCES.md
// there); the others are read from the folder QUORVEX_WHEELS names, if any.
TEST(WheelReport, PublishedWheelsKeepTheirStatedGuarantee) {
    const struct {
        const char* name;
        int m, t; // the guarantee stated, "t if m"
    } stated[] = {
        {"C_5_4_3.txt", 3, 3},        {"C_10_6_5.txt", 5, 5},         {"C_28_13_4.txt", 4, 4},
        {"C_16_6_5.txt", 5, 5},       {"C_20_6_5.txt", 5, 5},         {"C_30_6_5.txt", 5, 5},
        {"C_49_4_3.txt", 3, 3},       {"W_10_5_3if3_17.txt", 3, 3},   {"W_12_6_4if5_15.txt", 5, 4},
        {"W_15_7_5if7_27.txt", 7, 5}, {"W_36_5_4if5_5091.txt", 5, 4}, {"L_18_5_3if4_49.txt", 4, 3},
    };
    int checked = 0;
    for (const auto& [name, m, t] : stated) {
        WheelFileText file = ReadWheelFile(std::filesystem::path(QUORVEX_TEST_WHEELS) / name);
        if (file.refusal && std::getenv("QUORVEX_WHEELS") != nullptr) {
            file = ReadWheelFile(std::filesystem::path(std::getenv("QUORVEX_WHEELS")) / name);
        }
        if (file.refusal) {
            continue;
        }
        ASSERT_EQ(AcquireMatrix(file.text).result, Acquisition::Valid) << name;
        Progress progress;
        const auto table =
            ComputeCoverage(WheelSetsOf(gMatrixLines, gMatrixNumberCount), m, progress);
        EXPECT_EQ(table->Guarantee(m), t) << name;
        ++checked;
    }
    EXPECT_GE(checked, 3) << "the wheels kept in tests/data/wheels are missing";
}

// Each refusal names the entry at fault and says where it stands, for the window to select.
TEST(DrawCheck, EntriesAreReadOrRefusedByName) {
    const struct {
        std::string text, problem, selected; // "" when the entry is a draw
    } entries[] = {
        {"5 12,33;\t7 ,49", "", ""},
        {"\u00A05\u00A012\u00A0", "", ""}, // no-break spaces from a web page
        {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20", "", ""},
        {"3 50 90 1", "", ""}, // games of up to 90 balls
        {"", "type the numbers drawn", ""},
        {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 ",
         "22 numbers: a draw has at most 20", "21 22"},
        {"5 x7 9", "\"x7\" is not a number 1-90", "x7"},
        {"5 91", "\"91\" is not a number 1-90", "91"},
        {"0 5", "\"0\" is not a number 1-90", "0"},
        {"3 \xC3\xA9 7", "\"\xC3\xA9\" is not a number 1-90", "\xC3\xA9"},  // as typed
        {"4294967301", "\"429496...\" is not a number 1-90", "4294967301"}, // would wrap to 5
        {"7, 5;07", "7 appears twice", "07"},
    };
    for (const auto& [text, problem, selected] : entries) {
        const Refusal refusal = ParseDraw(text).refusal.value_or(Refusal{});
        EXPECT_EQ(refusal.reason, problem) << text;
        EXPECT_EQ(text.substr(refusal.start, refusal.length), selected) << text;
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
    // Lines holding the same numbers, in any order, repeated: said, with the first of them.
    ASSERT_EQ(AcquireMatrix("1 2\n3 1\n2 1\n1 2 2\n3 1\n").result, Acquisition::Valid);
    EXPECT_EQ(WarningsText(ProfileWheel(gMatrixLines)).front(),
              "1 line repeats a number (the first is line 4); a repeat counts once towards a win.");
    EXPECT_EQ(WarningsText(ProfileWheel(gMatrixLines))[1],
              "3 lines hold the same numbers as an earlier line (the first is line 3); they add "
              "nothing to the guarantees.");
    ASSERT_EQ(AcquireMatrix("1 2\n2 3\n").result, Acquisition::Valid);
    EXPECT_EQ(LengthsText(ProfileWheel(gMatrixLines)), "all 2");
    EXPECT_TRUE(WarningsText(ProfileWheel(gMatrixLines)).empty());

    EXPECT_EQ(GuaranteeSentence(1, 1, 5),
              "Whenever 1 of your 5 numbers is drawn, at least one ticket holds it.");
    EXPECT_EQ(GuaranteeSentence(2, 2, 9),
              "Whenever 2 of your 9 numbers are drawn, at least one ticket holds both of them.");
    EXPECT_EQ(HolesHeader({12, 1, 4, 3, 125, true}),
              "# Holes of a wheel of 12 numbers in 1 line\n"
              "# Draws of 4 numbers where no ticket holds 3 of them: 125 in all\n"
              "# Numbers: yours, as picked on the keypad\n");
    EXPECT_TRUE(HolesHeader({9, 30, 5, 4, 7, false}).ends_with("the wheel's own, 1-9\n"));
    EXPECT_EQ(GuaranteeSentence(3, 0, 9),
              "Whenever 3 of your 9 numbers are drawn, no ticket is sure to hold any of them.");
}

} // namespace
