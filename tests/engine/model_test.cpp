// Random sessions of user actions, run against the engine and the reference
// model; every outcome must agree, step by step. The wheels come in every
// shape the sorting cares about: one length or mixed, short or long lines,
// repeats, a few lines or hundreds, pasted messily or spoiled.

#include "engine_fixture.h"
#include "reference_model.h"
#include "wheel_generator.h"

#include <random>

using namespace quorvex;

namespace {

reference::Rows AnyWheel(std::mt19937& random) {
    const int widths[][2] = {{1, 12}, {1, 7}, {5, 7}, {9, 16}, {13, 13}, {1, 60}}; // from..to long
    const auto* width = widths[random() % 6];
    bench::WheelShape shape{1 + static_cast<int>(random() % 12), width[0],
                            width[random() % 3 ? 1 : 0], random() % 2 == 0};
    if (!shape.repeats) {
        shape.minWidth = std::min(shape.minWidth, shape.numbers);
        shape.maxWidth = std::min(shape.maxWidth, shape.numbers);
    }
    return bench::RandomWheel(random, 1 + random() % (random() % 8 ? 12 : 400), shape);
}

// As people paste them: blanks, tabs, commas, zero padding, blank lines, either line end.
std::string MessyText(const reference::Rows& rows, std::mt19937& random) {
    const char* separators[] = {" ", "   ", "\t", ", ", ";", " \t"};
    std::string text = random() % 4 ? "" : "\r\n \n";
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            text += (i > 0          ? separators[random() % 6]
                     : random() % 4 ? ""
                                    : " ") +
                    std::string(random() % 5 ? "" : "0") + std::to_string(row[i]);
        }
        text += random() % 3 ? "\n" : "\r\n";
    }
    return text;
}

// Something no wheel holds, somewhere in the text.
std::string Spoiled(std::string text, std::mt19937& random) {
    const char* junk[] = {"x", "50", "0", "-3", "1.5", "7a", "\xC2\xA0", "\r", "9999999999", "000"};
    text.insert(random() % (text.size() + 1), junk[random() % 10]);
    return text;
}

void ExpectSame(const AcquireOutcome& got, const AcquireOutcome& want, const std::string& text) {
    ASSERT_EQ(got.result, want.result) << text;
    ASSERT_EQ(got.notice, want.notice) << text;
    ASSERT_EQ(got.statusText, want.statusText) << text;
}

TEST_F(EngineTest, RandomSessionsMatchTheModel) {
    int developed = 0;
    for (unsigned s = 0; s < 2000; ++s) {
        ResetApplicationState();
        reference::Model model;
        std::mt19937 random(s);
        for (int step = 0; step < 60; ++step) {
            SCOPED_TRACE("session " + std::to_string(s) + ", step " + std::to_string(step));
            switch (random() % 12) {
            case 0:
            case 1: { // a wheel, now and then spoiled or empty
                std::string text = MessyText(AnyWheel(random), random);
                text = random() % 4 ? text : random() % 2 ? Spoiled(text, random) : "";
                ASSERT_NO_FATAL_FAILURE(ExpectSame(AcquireMatrix(text), model.Acquire(text), text));
                break;
            }
            case 2: { // VIEW, then ACQUIRE what the box shows
                const std::string listing = model.List().listing;
                ASSERT_NO_FATAL_FAILURE(
                    ExpectSame(AcquireMatrix(listing), model.Acquire(listing), listing));
                break;
            }
            case 3:
                ResetKeys();
                model.Reset();
                break;
            case 4:
            case 5:
                ASSERT_EQ(DevelopSystem().notice, model.Develop());
                break;
            case 6: {
                const ListOutcome got = ListSystem();
                const ListOutcome want = model.List();
                ASSERT_EQ(got.listing, want.listing);
                ASSERT_EQ(got.notice, want.notice);
                developed += !got.listing.empty();
                break;
            }
            default: { // keys, mostly among the first few so that selections match wheels
                const int n = 1 + static_cast<int>(random() % (random() % 4 ? 13 : 49));
                const KeyOutcome got = ClickKey(n);
                const KeyOutcome want = model.Click(n);
                ASSERT_EQ(got.color, want.color);
                ASSERT_EQ(got.selectedCount, want.selectedCount);
                ASSERT_EQ(got.baseCount, want.baseCount);
            }
            }
        }
    }
    EXPECT_GT(developed, 1000) << "too few listings to be telling";
}

} // namespace
