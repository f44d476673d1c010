#include "engine_fixture.h"

using namespace quorvex;

namespace {

struct ValidCase {
    const char* name;
    std::string text;
    std::string status;
    friend void PrintTo(const ValidCase& c, std::ostream* os) { *os << c.name; }
};

class ValidMatrix : public EngineTest, public ::testing::WithParamInterface<ValidCase> {};

TEST_P(ValidMatrix, IsHeldWithItsCounts) {
    const AcquireOutcome outcome = AcquireMatrix(GetParam().text);
    EXPECT_EQ(outcome.result, Acquisition::Valid);
    EXPECT_EQ(outcome.notice, "");
    EXPECT_EQ(outcome.statusText, GetParam().status);
    EXPECT_EQ(gMatrixLineCount, gMatrixLines.size());
}

// Empty texts, acquisitions after earlier ones, and what they leave alone are
// checked step by step against the model in model_test.cpp.

INSTANTIATE_TEST_SUITE_P(
    Texts, ValidMatrix,
    ::testing::Values(
        ValidCase{"ThreeOrders", "1 2 3\r\n3 2 1\r\n2 3 1", "IN MEMORY: 3 NUMBERS - IN 3 LINES"},
        ValidCase{"SingleOne", "1", "IN MEMORY: 1 NUMBERS - IN 1 LINES"},
        ValidCase{"BlankAndPaddedLines", "\r\n  \r\n 1 2 \r\n\r\n3 1  \r\n   \r\n",
                  "IN MEMORY: 3 NUMBERS - IN 2 LINES"},
        ValidCase{"FinalLineEnd", "1 2\r\n2 1\r\n", "IN MEMORY: 2 NUMBERS - IN 2 LINES"},
        ValidCase{"LeadingZerosSameNumber", "01 02 03\r\n1 2 3",
                  "IN MEMORY: 3 NUMBERS - IN 2 LINES"},
        ValidCase{"RepeatCountsOnce", "1 1 2\r\n3", "IN MEMORY: 3 NUMBERS - IN 2 LINES"},
        ValidCase{"LineFeedOnly", "1 2\n\n2 3\n", "IN MEMORY: 3 NUMBERS - IN 2 LINES"},
        ValidCase{"TabsAndSpaceRuns", "\t1\t 2   3 \t\r\n3\t\t4",
                  "IN MEMORY: 4 NUMBERS - IN 2 LINES"},
        ValidCase{"SpreadsheetSeparators", "1,2;3\r\n,4;;5,\r\n",
                  "IN MEMORY: 5 NUMBERS - IN 2 LINES"},
        ValidCase{"ManyLeadingZeros", "0000000000000000000000000007 1 2 3 4 5 6",
                  "IN MEMORY: 7 NUMBERS - IN 1 LINES"}),
    [](const auto& info) { return info.param.name; });

TEST_F(EngineTest, AllFortyNineNumbersAreValid) {
    std::string text;
    for (int n = 49; n >= 1; --n) {
        text += std::to_string(n) + (n % 7 == 1 ? "\r\n" : " ");
    }
    EXPECT_EQ(AcquireMatrix(text).statusText, "IN MEMORY: 49 NUMBERS - IN 7 LINES");
}

struct InvalidCase {
    const char* name;
    std::string text;
    std::string reason;
    friend void PrintTo(const InvalidCase& c, std::ostream* os) { *os << c.name; }
};

class InvalidMatrix : public EngineTest, public ::testing::WithParamInterface<InvalidCase> {};

TEST_P(InvalidMatrix, IsRefusedWithItsReason) {
    const AcquireOutcome outcome = AcquireMatrix(GetParam().text);
    EXPECT_EQ(outcome.result, Acquisition::Invalid);
    EXPECT_EQ(outcome.notice, "Invalid Matrix ..!|" + GetParam().reason);
    EXPECT_EQ(outcome.statusText, "NO WHEEL IN MEMORY..!");
    EXPECT_LE(GetParam().reason.size(), 45u) << "the reason must fit the dialog";
    EXPECT_EQ(gMatrixLineCount, 0u);
    EXPECT_EQ(gMatrixNumberCount, 0);
    EXPECT_TRUE(gMatrixLines.empty());
    // The window selects the token the reason names, so it must lie where the reason says.
    const std::string& text = GetParam().text;
    if (GetParam().reason.starts_with("line ")) {
        ASSERT_GT(outcome.tokenLength, 0u);
        const std::string token = text.substr(outcome.tokenStart, outcome.tokenLength);
        const auto line = 1 + std::count(text.begin(), text.begin() + outcome.tokenStart, '\n');
        EXPECT_EQ("line " + std::to_string(line) + ": " + QuoteToken(token) +
                      " is not a number 1-49",
                  GetParam().reason);
    } else {
        EXPECT_EQ(outcome.tokenLength, 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, InvalidMatrix,
    ::testing::Values(
        InvalidCase{"Gap", "1 2 3\r\n5", "number 4 is missing"},
        InvalidCase{"NoOne", "2 3 4 5 6 7 8 9 10", "number 1 is missing"},
        InvalidCase{"Fifty", "1 2 3 50", "line 1: \"50\" is not a number 1-49"},
        InvalidCase{"Ninety", "1 90", "line 1: \"90\" is not a number 1-49"},
        InvalidCase{"Zero", "1 0", "line 1: \"0\" is not a number 1-49"},
        InvalidCase{"Letters", "1 2\r\n\r\n2 7a", "line 3: \"7a\" is not a number 1-49"},
        InvalidCase{"FirstOnTheNextLine", "1 2\nx1 3", "line 2: \"x1\" is not a number 1-49"},
        InvalidCase{"FirstAfterCrLf", "1 2\r\n\r\n50 3", "line 3: \"50\" is not a number 1-49"},
        InvalidCase{"Sign", "+1", "line 1: \"+1\" is not a number 1-49"},
        InvalidCase{"Negative", "1 -2", "line 1: \"-2\" is not a number 1-49"},
        InvalidCase{"Fraction", "1.5", "line 1: \"1.5\" is not a number 1-49"},
        InvalidCase{"Period", "1.2.3", "line 1: \"1.2.3\" is not a number 1-49"},
        InvalidCase{"HugeNumber", "1 " + std::string(1000, '9'),
                    "line 1: \"999999...\" is not a number 1-49"},
        InvalidCase{"NulByte", std::string("1 2\0", 4), "line 1: \"2?\" is not a number 1-49"},
        InvalidCase{"InvalidUtf8", "1 \xff\xfe", "line 1: \"??\" is not a number 1-49"},
        InvalidCase{"ArabicIndicDigit", "1 \xd9\xa3", "line 1: \"??\" is not a number 1-49"},
        InvalidCase{"LoneCarriageReturn", "1 2\r3", "line 1: \"2?3\" is not a number 1-49"},
        InvalidCase{"NoBreakSpace",
                    "1\xc2\xa0"
                    "2",
                    "line 1: \"1??2\" is not a number 1-49"},
        InvalidCase{"BlanksOnly", " \t \r\n\r\n  ", "no numbers found"},
        InvalidCase{"LineEndsOnly", "\r\n\n\r\n", "no numbers found"},
        // Texts nobody means to paste.
        InvalidCase{"OnlySeparators", std::string(100'000, ' ') + "\t\t", "no numbers found"},
        InvalidCase{"OnlyLineBreaks", std::string(1'000'000, '\n'), "no numbers found"},
        InvalidCase{"LoneCarriageReturns", std::string(1000, '\r'),
                    "line 1: \"??????...\" is not a number 1-49"},
        InvalidCase{"NulBytesOnly", std::string(64, '\0'),
                    "line 1: \"??????...\" is not a number 1-49"},
        InvalidCase{"AThousandDigitNumberLater", "1\n\n" + std::string(1000, '7') + " 1",
                    "line 3: \"777777...\" is not a number 1-49"},
        InvalidCase{"ZeroPaddedZero", std::string(500, '0'),
                    "line 1: \"000000...\" is not a number 1-49"},
        InvalidCase{"Utf16Text", std::string("1\0 \0002\0", 6),
                    "line 1: \"1?\" is not a number 1-49"},
        InvalidCase{"FullWidthDigit", "1 \xef\xbc\x92", "line 1: \"???\" is not a number 1-49"}),
    [](const auto& info) { return info.param.name; });

TEST_F(EngineTest, ReasonNamesTheLineOfTheText) {
    std::string text;
    for (int i = 0; i < 999'999; ++i) {
        text += "1\n";
    }
    text += "1 x";
    EXPECT_EQ(AcquireMatrix(text).notice,
              "Invalid Matrix ..!|line 1000000: \"x\" is not a number 1-49");
}

} // namespace
