#include "engine_fixture.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <set>

using namespace quorvex;

namespace {

using Lines = std::vector<std::string>;

TEST_F(EngineTest, WorkedExampleMapsBaseFirst) {
    AcquireMatrix("1 2 3\r\n1 2 4\r\n1 3 4\r\n2 3 4\r\n");
    PickKeys({5, 20, 33}, {10});
    EXPECT_EQ(DevelopSystem(), "Well Done ..!");
    EXPECT_EQ(ListSystem().listing, "05 10 20\r\n05 10 33\r\n05 20 33\r\n10 20 33\r\n");
    EXPECT_EQ(ListSystem().notice, "");
    EXPECT_EQ(gSystemLineCount, 4u);
}

struct NoticeCase {
    const char* name;
    std::string matrix;
    std::vector<int> keys;
    std::string notice;
};
void PrintTo(const NoticeCase& c, std::ostream* os) {
    *os << c.name;
}

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

TEST_F(EngineTest, FailedGenerateKeepsTheEarlierSystem) {
    AcquireMatrix("1 2");
    PickKeys({3, 4});
    DevelopSystem();
    ClickKey(5);
    EXPECT_EQ(DevelopSystem(), "Unselect 1 numbers ..!");
    ResetKeys();
    EXPECT_EQ(ListSystem().listing, "03 04\r\n");
}

struct DevelopCase {
    const char* name;
    std::string matrix;
    std::vector<int> selected;
    std::vector<int> base;
    std::string listing;
};
void PrintTo(const DevelopCase& c, std::ostream* os) {
    *os << c.name;
}

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

// Lines longer than eight numbers take the general sorting path.
TEST_F(EngineTest, LongLinesSortLikeShortOnes) {
    AcquireMatrix("1 2 3 4 5 6 7 8 9 10\r\n10 9 8 7 6 5 4 3 2\r\n1 2 3 4 5 6 7 8 9\r\n3");
    PickKeys({40, 41, 42, 43, 44, 45, 46, 47, 48, 49});
    ASSERT_EQ(DevelopSystem(), "Well Done ..!");
    EXPECT_EQ(ListedLines(), (Lines{"40 41 42 43 44 45 46 47 48", "40 41 42 43 44 45 46 47 48 49",
                                    "41 42 43 44 45 46 47 48 49", "42"}));
}

// A small, obviously correct reference: map, write two-digit, sort tokens and
// then lines as text.
Lines ModelSystem(const std::vector<std::vector<int>>& matrix, const std::vector<int>& mapping) {
    Lines lines;
    for (const auto& row : matrix) {
        std::vector<std::string> tokens;
        for (int k : row) {
            const int n = mapping.at(static_cast<std::size_t>(k - 1));
            tokens.push_back((n < 10 ? "0" : "") + std::to_string(n));
        }
        std::sort(tokens.begin(), tokens.end());
        std::string line;
        for (const auto& token : tokens) {
            line += (line.empty() ? "" : " ") + token;
        }
        lines.push_back(line);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Writes a matrix the way people paste them: mixed separators, zero padding,
// blank lines, either line end.
std::string MessyText(const std::vector<std::vector<int>>& matrix, std::mt19937& random) {
    const char* separators[] = {" ", "  ", "\t", " \t "};
    const char* lineEnds[] = {"\r\n", "\n", "\r\n  \r\n", "\n\t\n"};
    std::string text;
    for (const auto& row : matrix) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) {
                text += separators[random() % 4];
            }
            text += (random() % 4 == 0 ? "0" : "") + std::to_string(row[i]);
        }
        text += lineEnds[random() % 4];
    }
    return text;
}

TEST_F(EngineTest, RandomWheelsMatchTheReferenceModel) {
    std::mt19937 random(20261206);
    for (int round = 0; round < 2000; ++round) {
        ResetApplicationState();
        // Every other wheel has lines of one length, as real wheels do; the
        // rest mix lengths. Widths above eight take the general sort.
        const auto numbers = static_cast<std::size_t>(1 + random() % 14);
        const bool uniform = round % 2 == 0;
        const std::size_t width = 1 + random() % 12;
        const std::size_t rows = std::max<std::size_t>(1 + random() % 25, numbers / width + 1);
        std::vector<std::vector<int>> matrix(rows);
        std::vector<std::pair<std::size_t, std::size_t>> cells;
        for (std::size_t r = 0; r < rows; ++r) {
            matrix[r].resize(uniform ? width : 1 + random() % 11);
            for (std::size_t c = 0; c < matrix[r].size(); ++c) {
                matrix[r][c] = 1 + static_cast<int>(random() % numbers);
                cells.emplace_back(r, c);
            }
        }
        std::shuffle(cells.begin(), cells.end(), random);
        for (std::size_t n = 1; n <= numbers; ++n) { // every number used at least once
            if (n <= cells.size()) {
                matrix[cells[n - 1].first][cells[n - 1].second] = static_cast<int>(n);
            } else {
                matrix[random() % rows].push_back(static_cast<int>(n));
            }
        }

        std::vector<int> keys(49);
        std::iota(keys.begin(), keys.end(), 1);
        std::shuffle(keys.begin(), keys.end(), random);
        keys.resize(numbers);
        std::vector<int> selected, base;
        for (int key : keys) {
            (random() % 3 == 0 ? base : selected).push_back(key);
        }
        std::vector<int> mapping = base;
        std::sort(mapping.begin(), mapping.end());
        std::vector<int> rest = selected;
        std::sort(rest.begin(), rest.end());
        mapping.insert(mapping.end(), rest.begin(), rest.end());

        ASSERT_EQ(AcquireMatrix(MessyText(matrix, random)).result, Acquisition::Valid);
        PickKeys(selected, base);
        ASSERT_EQ(DevelopSystem(), "Well Done ..!");
        ASSERT_EQ(ListedLines(), ModelSystem(matrix, mapping)) << "round " << round;
    }
}

TEST_F(EngineTest, LargeWheelMatchesTheReferenceModel) {
    std::mt19937 random(49);
    std::vector<std::vector<int>> matrix(150'000);
    std::string text;
    for (std::size_t l = 0; l < matrix.size(); ++l) {
        std::set<int> picked{static_cast<int>(l % 49) + 1}; // the first lines use every number
        while (picked.size() < 6) {
            picked.insert(1 + static_cast<int>(random() % 49));
        }
        std::vector<int>& row = matrix[l];
        row.assign(picked.begin(), picked.end());
        std::shuffle(row.begin(), row.end(), random);
        for (int n : row) {
            text += std::to_string(n) + ' ';
        }
        text += '\n';
    }
    ASSERT_EQ(AcquireMatrix(text).statusText, "IN MEMORY: 49 NUMBERS - IN 150000 LINES");

    std::vector<int> mapping;
    for (int key = 49; key >= 1; --key) {
        ClickKey(key);
        if (key % 5 == 0) {
            ClickKey(key);
            mapping.insert(mapping.begin(), key);
        }
    }
    // Base keys first (ascending), then the Selected ones.
    std::vector<int> base = mapping;
    for (int key = 1; key <= 49; ++key) {
        if (key % 5 != 0) {
            mapping.push_back(key);
        }
    }
    std::sort(mapping.begin(), mapping.begin() + static_cast<long>(base.size()));
    ASSERT_EQ(DevelopSystem(), "Well Done ..!");
    EXPECT_EQ(ListedLines(), ModelSystem(matrix, mapping));
}

} // namespace
