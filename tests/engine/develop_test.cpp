#include "engine_fixture.h"
#include "ticket_header.h"

using namespace quorvex;

namespace {

TEST_F(EngineTest, WorkedExampleMapsBaseFirst) {
    EXPECT_TRUE(TicketsHeader("today").empty());
    AcquireMatrix("1 2 3\r\n1 2 4\r\n1 3 4\r\n2 3 4\r\n");
    PickKeys({5, 20, 33}, {10});
    EXPECT_EQ(DevelopSystem(), "Well Done ..!");
    EXPECT_EQ(ListSystem().listing, "05 10 20\r\n05 10 33\r\n05 20 33\r\n10 20 33\r\n");
    EXPECT_EQ(ListSystem().notice, "");
    EXPECT_EQ(gSystemLineCount, 4u);

    // Saved and printed tickets say what they were developed onto, even after the keys change.
    ResetKeys();
    PickKeys({1});
    AcquireMatrix("1");
    EXPECT_EQ(
        TicketsHeader("7 December 2026"),
        (std::vector<std::string>{"Quorvex - 7 December 2026",
                                  "Your numbers: 10* 05 20 33 (* base)", "4 numbers, 4 tickets"}));
    ASSERT_EQ(DevelopSystem(), "Well Done ..!");
    EXPECT_EQ(TicketsHeader("d")[1], "Your numbers: 01");
    EXPECT_EQ(TicketsHeader("d")[2], "1 numbers, 1 ticket");
}

struct NoticeCase {
    const char* name;
    std::string matrix;
    std::vector<int> keys;
    std::string notice;
    friend void PrintTo(const NoticeCase& c, std::ostream* os) { *os << c.name; }
};

class DevelopNotice : public EngineTest, public ::testing::WithParamInterface<NoticeCase> {};

TEST_P(DevelopNotice, ChangesNothing) {
    AcquireMatrix(GetParam().matrix);
    PickKeys(GetParam().keys);
    EXPECT_EQ(DevelopSystem(), GetParam().notice);
    EXPECT_EQ(gSystemLineCount, 0u);
    EXPECT_EQ(ListSystem().notice, "Sorry! No lines reduced ..!");
    EXPECT_EQ(ListSystem().listing, "");
}

const std::string kFourLines = "1 2 3\r\n1 2 4\r\n1 3 4\r\n2 3 4";

INSTANTIATE_TEST_SUITE_P(
    Preconditions, DevelopNotice,
    ::testing::Values(NoticeCase{"NoMatrix", "", {1, 2, 3, 4}, "Acquire the Matrix ..!"},
                      NoticeCase{"InvalidMatrix", "1 3", {1, 2}, "Acquire the Matrix ..!"},
                      NoticeCase{"TooFew", kFourLines, {1, 2}, "Select another 2 numbers ..!"},
                      NoticeCase{"OneShort", kFourLines, {1, 2, 3}, "Select another 1 numbers ..!"},
                      NoticeCase{
                          "TooMany", kFourLines, {1, 2, 3, 4, 5, 6}, "Unselect 2 numbers ..!"}),
    [](const auto& info) { return info.param.name; });

struct DevelopCase {
    const char* name;
    std::string matrix;
    std::vector<int> selected;
    std::vector<int> base;
    std::string listing;
    friend void PrintTo(const DevelopCase& c, std::ostream* os) { *os << c.name; }
};

class Develop : public EngineTest, public ::testing::WithParamInterface<DevelopCase> {};

TEST_P(Develop, ListsTheSortedSystem) {
    AcquireMatrix(GetParam().matrix);
    PickKeys(GetParam().selected, GetParam().base);
    ASSERT_EQ(DevelopSystem(), "Well Done ..!");
    EXPECT_EQ(ListSystem().listing, GetParam().listing);
    EXPECT_EQ(ListSystem().listing, GetParam().listing) << "listing twice must not differ";
}

INSTANTIATE_TEST_SUITE_P(
    Systems, Develop,
    ::testing::Values(
        DevelopCase{"AllBase", "1 2\r\n2 3", {}, {30, 7, 41}, "07 30\r\n30 41\r\n"},
        DevelopCase{"NoBase", "3 1\r\n2 3", {41, 7, 30}, {}, "07 41\r\n30 41\r\n"},
        DevelopCase{"RepeatsKept", "1 1 2", {10}, {5}, "05 05 10\r\n"},
        DevelopCase{"LeadingZeroBelowTen", "2 1", {7, 9}, {}, "07 09\r\n"},
        DevelopCase{
            "IdenticalLinesKept", "1 2\r\n2 1\r\n1 2", {1, 2}, {}, "01 02\r\n01 02\r\n01 02\r\n"},
        DevelopCase{"ShorterLineFirst",
                    "1 2 3\r\n1 2\r\n3",
                    {10, 20, 30},
                    {},
                    "10 20\r\n10 20 30\r\n30\r\n"},
        DevelopCase{"OrdinalNotNumericLineOrder", "1 3\r\n2", {9, 10, 45}, {}, "09 45\r\n10\r\n"}),
    [](const auto& info) { return info.param.name; });

} // namespace
