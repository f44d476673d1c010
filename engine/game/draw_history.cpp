// Reading past draws line by line: the date, the numbers of the game, the headers passed over,
// the lines skipped and why.
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

bool LeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysIn(int month, int year) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && LeapYear(year) ? 29 : kDays[month - 1];
}

// What a token written as a date is.
enum class DateShape { kNone, kDay, kNoSuchDay };

// 2026-12-05 or 05/12/2026: its shape, and the day as YYYYMMDD when there is one.
DateShape ReadDate(std::string_view token, int& day) {
    std::string_view year, month, date;
    if (token.size() == 10 && token[4] == '-' && token[7] == '-') {
        year = token.substr(0, 4), month = token.substr(5, 2), date = token.substr(8, 2);
    } else if (token.size() == 10 && token[2] == '/' && token[5] == '/') {
        date = token.substr(0, 2), month = token.substr(3, 2), year = token.substr(6, 4);
    } else {
        return DateShape::kNone;
    }
    if (!AllDigits(year) || !AllDigits(month) || !AllDigits(date)) {
        return DateShape::kNone;
    }
    const int y = Value(year), m = Value(month), d = Value(date);
    if (m < 1 || m > 12 || d < 1 || d > DaysIn(m, y)) {
        return DateShape::kNoSuchDay;
    }
    day = y * 10000 + m * 100 + d;
    return DateShape::kDay;
}

// A token with a letter in it (any byte past ASCII counts: "n°", "Ziehung").
bool IsWord(std::string_view token) {
    return std::any_of(token.begin(), token.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
               static_cast<unsigned char>(c) >= 0x80;
    });
}

// What a line of the file is.
struct LineRead {
    enum Kind { kBlank, kHeader, kDraw, kSkipped } kind = kBlank;
    PastDraw draw;
    std::string reason; // why it is skipped
};

// A line read; before the first draw a line of words is a header (its numbers
// are column names: "Ball 1").
LineRead ReadLine(std::string_view line, int balls, int drawn, bool beforeFirstDraw) {
    std::vector<std::string_view> tokens = Tokens(line);
    LineRead read;
    if (tokens.empty()) {
        return read;
    }
    PastDraw& draw = read.draw;
    switch (ReadDate(tokens.front(), draw.day)) {
    case DateShape::kNoSuchDay:
        read.kind = LineRead::kSkipped;
        read.reason = std::string(tokens.front()) + " is not a date";
        return read;
    case DateShape::kDay:
        draw.date = std::string(tokens.front());
        tokens.erase(tokens.begin());
        break;
    case DateShape::kNone:
        break;
    }
    const bool numbers = std::any_of(tokens.begin(), tokens.end(), AllDigits);
    if (draw.date.empty() &&
        (!numbers || (beforeFirstDraw && std::any_of(tokens.begin(), tokens.end(), IsWord)))) {
        read.kind = LineRead::kHeader;
        return read;
    }
    if (!numbers) {
        tokens.clear();
    }
    read.kind = LineRead::kSkipped;
    const std::string range = " is not a number 1-" + std::to_string(balls);
    std::bitset<128> seen;
    for (std::string_view token : tokens) {
        if (draw.numbers.size() == static_cast<std::size_t>(drawn)) {
            break; // a bonus ball, or another column: not the game's
        }
        if (!AllDigits(token)) {
            read.reason = QuoteToken(token) + range;
            return read;
        }
        const unsigned value = DigitsValue(token);
        if (value < 1 || value > static_cast<unsigned>(balls)) {
            read.reason = (token.size() <= 8 ? std::string(token) : QuoteToken(token)) + range;
            return read;
        }
        if (seen[value]) {
            read.reason = std::to_string(value) + " appears twice";
            return read;
        }
        seen[value] = true;
        draw.numbers.push_back(static_cast<int>(value));
    }
    if (draw.numbers.size() < static_cast<std::size_t>(drawn)) {
        read.reason =
            std::to_string(draw.numbers.size()) + " numbers, not " + std::to_string(drawn);
        return read;
    }
    read.kind = LineRead::kDraw;
    return read;
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
        LineRead read = ReadLine(line, balls, drawn, history.draws.empty());
        switch (read.kind) {
        case LineRead::kBlank:
            break;
        case LineRead::kHeader:
            ++history.headers;
            break;
        case LineRead::kDraw:
            read.draw.line = number;
            history.draws.push_back(std::move(read.draw));
            break;
        case LineRead::kSkipped:
            history.skipped.push_back({number, std::move(read.reason)});
            break;
        }
    }
    if (history.draws.empty()) {
        history.refusal = Refusal{"no draw of " + std::to_string(drawn) + " numbers 1-" +
                                  std::to_string(balls) + " in it"};
    }
    return history;
}

std::string HistorySummary(const DrawHistory& history) {
    const auto counted = [](std::size_t count, const char* one, const char* many) {
        return std::to_string(count) + (count == 1 ? one : many);
    };
    std::string summary = counted(history.draws.size(), " draw read", " draws read");
    if (history.headers > 0) {
        summary +=
            "; " + counted(history.headers, " header line", " header lines") + " passed over";
    }
    if (!history.skipped.empty()) {
        summary += "; " + counted(history.skipped.size(), " line", " lines") + " skipped";
    }
    return summary;
}

std::vector<std::string> HistoryLines(const DrawHistory& history) {
    const std::size_t skipped = history.skipped.size();
    std::vector<std::string> lines{HistorySummary(history) + (skipped > 0 ? ":" : "")};
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
