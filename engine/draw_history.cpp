// Reading past draws line by line: the date, the numbers of the game, the lines skipped and why.
#include "draw_history.h"

#include "parse_matrix.h"

#include <algorithm>
#include <bitset>

namespace quorvex {

namespace {

constexpr std::size_t kSkippedListed = 10;

bool AllDigits(std::string_view token) {
    return !token.empty() &&
           std::all_of(token.begin(), token.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Value(std::string_view digits) {
    int value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// 2026-12-05 or 05/12/2026, as YYYYMMDD; 0 when the token is no date.
int DayOf(std::string_view token) {
    std::string_view year, month, day;
    if (token.size() == 10 && token[4] == '-' && token[7] == '-') {
        year = token.substr(0, 4), month = token.substr(5, 2), day = token.substr(8, 2);
    } else if (token.size() == 10 && token[2] == '/' && token[5] == '/') {
        day = token.substr(0, 2), month = token.substr(3, 2), year = token.substr(6, 4);
    } else {
        return 0;
    }
    if (!AllDigits(year) || !AllDigits(month) || !AllDigits(day)) {
        return 0;
    }
    const int m = Value(month), d = Value(day);
    return m >= 1 && m <= 12 && d >= 1 && d <= 31 ? Value(year) * 10000 + m * 100 + d : 0;
}

// The draw a line holds, or why it holds none; nothing for a line to pass over.
std::optional<std::pair<PastDraw, std::string>> ReadLine(std::string_view line, int balls,
                                                         int drawn) {
    std::vector<std::string_view> tokens = Tokens(line);
    PastDraw draw;
    if (!tokens.empty() && (draw.day = DayOf(tokens.front())) != 0) {
        draw.date = std::string(tokens.front());
        tokens.erase(tokens.begin());
    }
    if (std::none_of(tokens.begin(), tokens.end(), AllDigits)) {
        if (draw.date.empty()) {
            return std::nullopt; // blank, or a header
        }
        tokens.clear();
    }
    const std::string range = " is not a number 1-" + std::to_string(balls);
    std::bitset<128> seen;
    for (std::string_view token : tokens) {
        if (draw.numbers.size() == static_cast<std::size_t>(drawn)) {
            break; // a bonus ball, or another column: not the game's
        }
        if (!AllDigits(token)) {
            return std::pair{draw, QuoteToken(token) + range};
        }
        const unsigned value = DigitsValue(token);
        if (value < 1 || value > static_cast<unsigned>(balls)) {
            return std::pair{draw,
                             (token.size() <= 8 ? std::string(token) : QuoteToken(token)) + range};
        }
        if (seen[value]) {
            return std::pair{draw, std::to_string(value) + " appears twice"};
        }
        seen[value] = true;
        draw.numbers.push_back(static_cast<int>(value));
    }
    if (draw.numbers.size() < static_cast<std::size_t>(drawn)) {
        return std::pair{draw, std::to_string(draw.numbers.size()) + " numbers, not " +
                                   std::to_string(drawn)};
    }
    return std::pair{draw, std::string()};
}

} // namespace

DrawHistory ParseHistory(std::string_view text, int balls, int drawn) {
    DrawHistory history;
    std::size_t number = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        ++number;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        auto read = ReadLine(line, balls, drawn);
        if (!read) {
            continue;
        }
        auto& [draw, reason] = *read;
        draw.line = number;
        if (reason.empty()) {
            history.draws.push_back(std::move(draw));
        } else {
            history.skipped.push_back({number, std::move(reason)});
        }
    }
    if (history.draws.empty()) {
        history.refusal = Refusal{"no draw of " + std::to_string(drawn) + " numbers 1-" +
                                  std::to_string(balls) + " in it"};
    }
    return history;
}

std::vector<std::string> HistoryLines(const DrawHistory& history) {
    const std::size_t skipped = history.skipped.size();
    std::string head = std::to_string(history.draws.size()) +
                       (history.draws.size() == 1 ? " draw read" : " draws read");
    if (skipped > 0) {
        head += "; " + std::to_string(skipped) + (skipped == 1 ? " line" : " lines") + " skipped:";
    }
    std::vector<std::string> lines{head};
    for (std::size_t i = 0; i < std::min(skipped, kSkippedListed); ++i) {
        lines.push_back("line " + std::to_string(history.skipped[i].line) + ": " +
                        history.skipped[i].reason);
    }
    if (skipped > kSkippedListed) {
        lines.push_back("and " + std::to_string(skipped - kSkippedListed) + " more");
    }
    return lines;
}

} // namespace quorvex
