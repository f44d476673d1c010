// ACQUIRE by example: texts that are wheels with their status line, and texts
// that are none with their reason. Empty texts, acquisitions after earlier
// ones and what they leave alone are checked against the reference model by the
// engine's fuzz target, whose kept sessions every test run replays.

#include "engine_fixture.h"
#include "utf8.h"

using namespace quorvex;

namespace {

struct Example {
    const char* name;
    std::string text;
    std::string expected; // the status line, or the reason after "Invalid Matrix ..!|"
};

TEST_F(EngineTest, WheelsAreHeldWithTheirCounts) {
    const Example wheels[] = {
        {"ThreeOrders", "1 2 3\r\n3 2 1\r\n2 3 1", "IN MEMORY: 3 NUMBERS - IN 3 LINES"},
        {"SingleOne", "1", "IN MEMORY: 1 NUMBERS - IN 1 LINES"},
        {"BlankAndPaddedLines", "\r\n  \r\n 1 2 \r\n\r\n3 1  \r\n   \r\n",
         "IN MEMORY: 3 NUMBERS - IN 2 LINES"},
        {"LeadingZerosSameNumber", "01 02 03\r\n1 2 3", "IN MEMORY: 3 NUMBERS - IN 2 LINES"},
        {"RepeatCountsOnce", "1 1 2\r\n3", "IN MEMORY: 3 NUMBERS - IN 2 LINES"},
        {"SpreadsheetSeparators", "1,2;3\r\n,4;;5,\r\n", "IN MEMORY: 5 NUMBERS - IN 2 LINES"},
        // Pasted from a web page: no-break spaces between numbers and at a line's ends.
        {"NoBreakSpaces", "\u00A01\u00A02\u00A0\n3", "IN MEMORY: 3 NUMBERS - IN 2 LINES"},
        {"ManyLeadingZeros", "0000000000000000000000000007 1 2 3 4 5 6",
         "IN MEMORY: 7 NUMBERS - IN 1 LINES"},
        {"AllFortyNine",
         "49 48 47 46 45 44 43\r\n42 41 40 39 38 37 36\r\n35 34 33 32 31 30 29\r\n28 27 26 25 24 "
         "23 22\r\n21 20 19 18 17 16 15\r\n14 13 12 11 10 9 8\r\n7 6 5 4 3 2 1\r\n",
         "IN MEMORY: 49 NUMBERS - IN 7 LINES"},
    };
    for (const Example& wheel : wheels) {
        SCOPED_TRACE(wheel.name);
        const AcquireOutcome outcome = AcquireMatrix(wheel.text);
        EXPECT_EQ(outcome.result, Acquisition::Valid);
        EXPECT_EQ(outcome.refusal, std::nullopt);
        EXPECT_EQ(outcome.statusText, wheel.expected);
        EXPECT_EQ(gMatrixLineCount, gMatrixLines.size());
    }
}

TEST_F(EngineTest, OtherTextsAreRefusedWithTheirReason) {
    const Example refused[] = {
        {"Gap", "1 2 3\r\n5", "number 4 is missing"},
        {"NoOne", "2 3 4 5 6 7 8 9 10", "number 1 is missing"},
        {"Fifty", "1 2 3 50", "line 1: \"50\" is not a number 1-49"},
        {"Zero", "1 0", "line 1: \"0\" is not a number 1-49"},
        {"Letters", "1 2\r\n\r\n2 7a", "line 3: \"7a\" is not a number 1-49"},
        {"FirstOnTheNextLine", "\n1 2\nx1 3", "line 3: \"x1\" is not a number 1-49"},
        {"FirstAfterCrLf", "1 2\r\n\r\n50 3", "line 3: \"50\" is not a number 1-49"},
        {"Negative", "1 -2", "line 1: \"-2\" is not a number 1-49"},
        {"HugeNumber", "1 " + std::string(1000, '9'), "line 1: \"999999...\" is not a number 1-49"},
        {"InvalidUtf8", "1 \xff\xfe", "line 1: \"U+00FF...\" is not a number 1-49"},
        {"LoneCarriageReturn", "1 2\r3", "line 1: \"2U+000D3\" is not a number 1-49"},
        {"OghamSpace", "1\u16802", "line 1: \"1U+16802\" is not a number 1-49"},
        {"NoBreakSpaceHalf", "1 \xC2", "line 1: \"U+00C2\" is not a number 1-49"},
        {"AccentAsTyped", "1 2 3\n4 5 6\n7 8 9 \xc3\xa9",
         "line 3: \"\xc3\xa9\" is not a number 1-49"},
        {"EightCharactersNotBytes",
         "1 \xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9",
         "line 1: \"\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\" is not a "
         "number 1-49"},
        {"NineCharactersCut", "1 \u20AC12345678",
         "line 1: \"\u20AC12345...\" is not a number 1-49"},
        {"BlanksOnly", " \t \r\n\r\n  ", "no numbers found"},
        {"OnlyLineBreaks", std::string(1'000'000, '\n'), "no numbers found"},
        {"NulBytesOnly", std::string(64, '\0'), "line 1: \"U+0000...\" is not a number 1-49"},
        {"EightShownWhole", "1 12345678", "line 1: \"12345678\" is not a number 1-49"},
        {"TenDigitsWrapToSeven", "1 4294967303", "line 1: \"429496...\" is not a number 1-49"},
        {"LineNumberPastSixteenBits",
         [] {
             std::string text;
             for (int i = 0; i < 69'999; ++i) {
                 text += "1\n";
             }
             return text + "1 x";
         }(),
         "line 70000: \"x\" is not a number 1-49"},
    };
    for (const Example& example : refused) {
        SCOPED_TRACE(example.name);
        AcquireMatrix("1");
        const AcquireOutcome outcome = AcquireMatrix(example.text);
        EXPECT_EQ(outcome.result, Acquisition::Invalid);
        ASSERT_TRUE(outcome.refusal.has_value());
        EXPECT_EQ(outcome.refusal->reason, example.expected);
        EXPECT_EQ(outcome.statusText, "NO WHEEL IN MEMORY..!");
        const auto characters = std::count_if(example.expected.begin(), example.expected.end(),
                                              [](char c) { return (c & 0xC0) != 0x80; });
        EXPECT_LE(characters, 45) << "the reason must fit the dialog";
        EXPECT_EQ(gMatrixLineCount, 0u) << "no wheel held after a refusal";
        EXPECT_EQ(gMatrixNumberCount, 0);
        EXPECT_TRUE(gMatrixLines.empty());
        // The window selects the token the reason names, so it must lie where the reason says.
        const std::string& text = example.text;
        const Refusal& refusal = *outcome.refusal;
        if (!example.expected.starts_with("line ")) {
            EXPECT_EQ(refusal.length, 0u);
            continue;
        }
        ASSERT_GT(refusal.length, 0u);
        const std::string token = text.substr(refusal.start, refusal.length);
        const auto line = 1 + std::count(text.begin(), text.begin() + refusal.start, '\n');
        EXPECT_EQ("line " + std::to_string(line) + ": " + QuoteToken(token) +
                      " is not a number 1-49",
                  example.expected);
    }
}

} // namespace

// A notice names the characters a reader could not see between its quotes, and
// shows their visible neighbours as typed.
TEST(QuoteToken, NamesBlanksAndControlsOnly) {
    for (char32_t c : {0x20, 0x7F, 0x9F, 0x1680, 0x2000, 0x200F, 0x2028, 0x202F, 0x205F, 0x206F,
                       0x3000, 0xFEFF}) {
        char named[16];
        std::snprintf(named, sizeof named, "\"U+%04X\"", static_cast<unsigned>(c));
        EXPECT_EQ(QuoteToken(Utf8(c)), named);
    }
    for (char32_t c : {0x21, 0x7E, 0xA0, 0x167F, 0x1681, 0x1FFF, 0x2010, 0x2027, 0x2030, 0x205E,
                       0x2070, 0x2FFF, 0x3001, 0xFEFE, 0xFF10}) {
        EXPECT_EQ(QuoteToken(Utf8(c)), '"' + Utf8(c) + '"') << static_cast<unsigned>(c);
    }
}
