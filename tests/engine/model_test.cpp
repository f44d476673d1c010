// Random sessions of user actions run against the engine and against a small
// reference model; every outcome must agree, step by step.

#include "engine_fixture.h"

#include <algorithm>
#include <optional>
#include <random>

using namespace quorvex;

namespace {

// What the user should see, worked out the plainest way.
struct Model {
    std::optional<std::vector<std::vector<int>>> matrix;
    int numbers = 0;
    std::array<int, 50> keys{}; // 0 Free, 1 Selected, 2 Base
    std::optional<std::string> listing;

    int Count(int state) const {
        return static_cast<int>(std::count(keys.begin() + 1, keys.end(), state));
    }
    int Picked() const { return 49 - Count(0); }

    KeyOutcome Click(int n) {
        keys[n] = (keys[n] + 1) % 3;
        const std::uint32_t colors[] = {0x8000000F, 0x008AAE35, 0x0014B4E4};
        return {static_cast<KeyState>(keys[n]), colors[keys[n]], Picked(), Count(2)};
    }

    std::string Develop() {
        if (!matrix) {
            return "Acquire the Matrix ..!";
        }
        if (Picked() < numbers) {
            return "Select another " + std::to_string(numbers - Picked()) + " numbers ..!";
        }
        if (Picked() > numbers) {
            return "Unselect " + std::to_string(Picked() - numbers) + " numbers ..!";
        }
        std::vector<int> mapping;
        for (int state : {2, 1}) {
            for (int key = 1; key <= 49; ++key) {
                if (keys[key] == state) {
                    mapping.push_back(key);
                }
            }
        }
        std::vector<std::string> lines;
        for (const auto& row : *matrix) {
            std::vector<int> mapped;
            for (int k : row) {
                mapped.push_back(mapping[k - 1]);
            }
            std::sort(mapped.begin(), mapped.end());
            std::string line;
            for (int n : mapped) {
                line +=
                    (line.empty() ? "" : " ") + std::string(n < 10 ? "0" : "") + std::to_string(n);
            }
            lines.push_back(line);
        }
        std::sort(lines.begin(), lines.end());
        listing = "";
        for (const auto& line : lines) {
            *listing += line + "\r\n";
        }
        return "Well Done ..!";
    }
};

struct Session {
    std::mt19937 random;
    Model model;

    // A wheel on `numbers` numbers, written with blanks, tabs, zero padding and
    // either line end. Every other one has lines of one length, as real wheels
    // do; widths above eight take the general sort.
    std::pair<std::string, std::vector<std::vector<int>>> Wheel(int numbers) {
        const bool uniform = random() % 2;
        const std::size_t width = 1 + random() % 12;
        std::vector<std::vector<int>> rows(1 + random() % 6 + numbers / width);
        std::vector<int*> cells;
        for (auto& row : rows) {
            row.resize(uniform ? width : 1 + random() % 7);
            for (int& n : row) {
                n = 1 + static_cast<int>(random() % static_cast<unsigned>(numbers));
                cells.push_back(&n);
            }
        }
        std::shuffle(cells.begin(), cells.end(), random);
        for (int n = 1; n <= numbers; ++n) { // every number used at least once
            if (static_cast<std::size_t>(n) <= cells.size()) {
                *cells[n - 1] = n;
            } else {
                rows[random() % rows.size()].push_back(n);
            }
        }
        std::string text = random() % 2 ? "\r\n" : "";
        for (const auto& row : rows) {
            for (int n : row) {
                text += (random() % 3 ? " " : "\t ") + std::string(random() % 4 ? "" : "0") +
                        std::to_string(n);
            }
            text += random() % 2 ? "\r\n" : "\n";
        }
        return {text, rows};
    }

    void Step() {
        switch (random() % 10) {
        case 0: { // a valid wheel
            const int numbers = 1 + static_cast<int>(random() % 10);
            auto [text, rows] = Wheel(numbers);
            const AcquireOutcome got = AcquireMatrix(text);
            model.matrix = rows;
            model.numbers = numbers;
            ASSERT_EQ(got.result, Acquisition::Valid);
            ASSERT_EQ(got.statusText, "IN MEMORY: " + std::to_string(numbers) + " NUMBERS - IN " +
                                          std::to_string(rows.size()) + " LINES");
            break;
        }
        case 1: { // a wheel with a number left out, or a stray letter
            const int numbers = 2 + static_cast<int>(random() % 6);
            auto [text, rows] = Wheel(numbers);
            std::string reason = "no numbers found";
            if (random() % 2) {
                text += "1 x\n";
                reason = "line " + std::to_string(std::count(text.begin(), text.end(), '\n')) +
                         ": \"x\" is not a number 1-49";
            } else {
                text = "";
                for (const auto& row : rows) {
                    for (int n : row) {
                        text += std::to_string(n == numbers ? numbers + 1 : n) + " ";
                    }
                    text += "\n";
                }
                reason = "number " + std::to_string(numbers) + " is missing";
            }
            const AcquireOutcome got = AcquireMatrix(text);
            model.matrix.reset();
            model.numbers = 0;
            ASSERT_EQ(got.notice, "Invalid Matrix ..!|" + reason) << text;
            ASSERT_EQ(got.statusText, "NO WHEEL IN MEMORY..!");
            break;
        }
        case 2: // an empty box is ignored; a blank one is no wheel
            if (random() % 2) {
                ASSERT_EQ(AcquireMatrix("").result, Acquisition::Ignored);
            } else {
                ASSERT_EQ(AcquireMatrix(" \r\n\t\n").notice, "Invalid Matrix ..!|no numbers found");
                model.matrix.reset();
                model.numbers = 0;
            }
            break;
        case 3:
            ResetKeys();
            model.keys.fill(0);
            break;
        case 4:
            ASSERT_EQ(DevelopSystem(), model.Develop());
            break;
        case 5: {
            const ListOutcome got = ListSystem();
            ASSERT_EQ(got.listing, model.listing.value_or(""));
            ASSERT_EQ(got.notice, model.listing ? "" : "Sorry! No lines reduced ..!");
            break;
        }
        default: { // keys, mostly among the first few so selections match wheels
            const int n = 1 + static_cast<int>(random() % (random() % 4 ? 11 : 49));
            const KeyOutcome got = ClickKey(n);
            const KeyOutcome want = model.Click(n);
            ASSERT_EQ(got.color, want.color);
            ASSERT_EQ(got.selectedCount, want.selectedCount);
            ASSERT_EQ(got.baseCount, want.baseCount);
        }
        }
    }
};

TEST_F(EngineTest, RandomSessionsMatchTheModel) {
    constexpr int kSessions = 3000;
    constexpr int kSteps = 60;
    int developed = 0;
    for (int s = 0; s < kSessions; ++s) {
        ResetApplicationState();
        Session session{std::mt19937(static_cast<unsigned>(s)), {}};
        for (int step = 0; step < kSteps; ++step) {
            ASSERT_NO_FATAL_FAILURE(session.Step()) << "session " << s << ", step " << step;
        }
        developed += session.model.listing.has_value();
    }
    EXPECT_GT(developed, kSessions / 10) << "too few sessions reach a development to be telling";
}

// One large wheel of one line length, through the radix sort, against the model.
TEST_F(EngineTest, LargeWheelMatchesTheModel) {
    std::mt19937 random(49);
    Model model;
    model.matrix.emplace(150'000);
    model.numbers = 49;
    std::string text;
    for (std::size_t l = 0; l < model.matrix->size(); ++l) {
        std::vector<int>& row = (*model.matrix)[l];
        row.push_back(static_cast<int>(l % 49) + 1); // the first lines use every number
        while (row.size() < 6) {
            const int n = 1 + static_cast<int>(random() % 49);
            if (std::find(row.begin(), row.end(), n) == row.end()) {
                row.push_back(n);
            }
        }
        for (int n : row) {
            text += std::to_string(n) + ' ';
        }
        text += '\n';
    }
    ASSERT_EQ(AcquireMatrix(text).statusText, "IN MEMORY: 49 NUMBERS - IN 150000 LINES");
    for (int key = 1; key <= 49; ++key) {
        for (int click = 0; click < 1 + (key % 5 == 0); ++click) {
            ClickKey(key);
            model.Click(key);
        }
    }
    ASSERT_EQ(DevelopSystem(), model.Develop());
    EXPECT_EQ(ListSystem().listing, *model.listing);
}

} // namespace
