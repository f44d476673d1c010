#pragma once
// What the user should see, worked out the plainest way: the program's state
// and each operation's outcome, from the rules as a user reads them. The
// engine's fuzz target gives the engine and this model the same
// actions and requires the same outcomes.

#include "operations.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace reference {

using Rows = std::vector<std::vector<int>>;

// Separators: spaces, tabs, commas, semicolons and no-break spaces (C2 A0 in UTF-8).
inline std::size_t Separator(std::string_view rest) {
    if (rest.starts_with("\xC2\xA0")) {
        return 2;
    }
    return !rest.empty() && std::string_view(" \t,;").find(rest[0]) != std::string_view::npos;
}

// The rows of a text, or why it is no wheel: lines end at LF (a CR just before
// it belongs to the break), tokens lie between separators, and every token must
// be digits worth 1..49; then the numbers used must be 1..N.
inline std::pair<Rows, std::string> Read(std::string_view text) {
    Rows rows;
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (end < text.size() && line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        ++lineNumber;
        std::vector<int> row;
        std::string token;
        for (std::size_t i = 0; i <= line.size(); ++i) {
            const std::size_t separator = Separator(line.substr(i));
            if (i < line.size() && separator == 0) {
                token += line[i];
                continue;
            }
            i += separator > 1; // the second byte of a no-break space
            if (token.empty()) {
                continue;
            }
            // Digits only; leading zeros do not count, and no number has more than two digits.
            const std::size_t zeros = std::min(token.find_first_not_of('0'), token.size());
            const bool digits = token.find_first_not_of("0123456789") == std::string::npos;
            const int n = digits && zeros < token.size() && token.size() - zeros <= 2
                              ? std::stoi(token.substr(zeros))
                              : 0;
            if (n < 1 || n > 49) {
                return {{},
                        "line " + std::to_string(lineNumber) + ": " + quorvex::QuoteToken(token) +
                            " is not a number 1-49"};
            }
            row.push_back(n);
            token.clear();
        }
        if (!row.empty()) {
            rows.push_back(row);
        }
        start = end + 1;
    }
    if (rows.empty()) {
        return {{}, "no numbers found"};
    }
    std::array<bool, 50> used{};
    int highest = 0;
    for (const auto& row : rows) {
        for (int n : row) {
            used[n] = true;
            highest = std::max(highest, n);
        }
    }
    for (int n = 1; n <= highest; ++n) {
        if (!used[n]) {
            return {{}, "number " + std::to_string(n) + " is missing"};
        }
    }
    return {rows, ""};
}

struct Model {
    std::optional<Rows> wheel;
    int numbers = 0;
    std::array<int, 91> keys{}; // 0 Free, 1 Selected, 2 Base
    int balls = 49;             // the keys 1..balls are in play
    std::optional<std::string> listing;

    int Count(int state) const {
        return static_cast<int>(std::count(keys.begin() + 1, keys.end(), state));
    }
    int Picked() const { return 90 - Count(0); }

    quorvex::AcquireOutcome Acquire(std::string_view text) {
        if (text.empty()) {
            return {};
        }
        auto [rows, problem] = Read(text);
        wheel.reset();
        numbers = 0;
        if (!problem.empty()) {
            return {quorvex::Acquisition::Invalid, "NO WHEEL IN MEMORY..!",
                    quorvex::Refusal{problem}};
        }
        for (const auto& row : rows) {
            numbers = std::max(numbers, *std::max_element(row.begin(), row.end()));
        }
        wheel = std::move(rows);
        return {quorvex::Acquisition::Valid,
                "IN MEMORY: " + std::to_string(numbers) + " NUMBERS - IN " +
                    std::to_string(wheel->size()) + " LINES",
                std::nullopt};
    }

    quorvex::KeyOutcome Click(int n) {
        const std::uint32_t colors[] = {quorvex::kFreeKeyColor, quorvex::kSelectedKeyColor,
                                        quorvex::kBaseKeyColor};
        if (n > balls) { // out of play: nothing happens
            return {quorvex::kFree, colors[0], Picked(), Count(2)};
        }
        keys[n] = (keys[n] + 1) % 3;
        const int state = keys[n];
        return {static_cast<quorvex::KeyState>(state), colors[state], Picked(), Count(2)};
    }

    void Reset() { keys.fill(0); }

    // Another game: the keys it cannot draw are freed.
    quorvex::KeyOutcome Play(int newBalls) {
        balls = newBalls;
        for (int key = balls + 1; key <= 90; ++key) {
            keys[key] = 0;
        }
        return {quorvex::kFree, quorvex::kFreeKeyColor, Picked(), Count(2)};
    }

    std::string Develop() {
        if (!wheel) {
            return "Acquire the Matrix ..!";
        }
        if (Picked() != numbers) {
            const int off = numbers - Picked();
            return off > 0 ? "Select another " + std::to_string(off) + " numbers ..!"
                           : "Unselect " + std::to_string(-off) + " numbers ..!";
        }
        std::vector<int> mapping; // Base keys take the wheel's lowest numbers
        for (int state : {2, 1}) {
            for (int key = 1; key <= 90; ++key) {
                if (keys[key] == state) {
                    mapping.push_back(key);
                }
            }
        }
        std::vector<std::string> lines;
        for (const auto& row : *wheel) {
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
        std::sort(lines.begin(), lines.end()); // as text
        listing = "";
        for (const auto& line : lines) {
            *listing += line + "\r\n";
        }
        return "Well Done ..!";
    }

    quorvex::ListOutcome List() const {
        return listing ? quorvex::ListOutcome{*listing, std::nullopt}
                       : quorvex::ListOutcome{"", quorvex::Refusal{"Sorry! No lines reduced ..!"}};
    }
};

} // namespace reference
