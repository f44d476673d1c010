// Any text read as past draws: the history reader against a plain reading of
// the same rules. A line is a draw, passed over (blank; a header: no number, or
// words before the first draw), or skipped (a date that does not exist among
// them); the draws, their dates, the headers and the lines skipped must agree.
//
// Input: a byte for P (2..90), a byte for M (1..20, at most P), then the text.

#include "draw_history.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

using namespace quorvex;

namespace {

bool Digits(const std::string& token) {
    return !token.empty() && token.find_first_not_of("0123456789") == std::string::npos;
}

// 0: no date; 1: a day of the calendar; 2: written as a date, but no such day.
int DateKind(const std::string& token) {
    std::string y, m, d;
    if (token.size() == 10 && token[4] == '-' && token[7] == '-') {
        y = token.substr(0, 4), m = token.substr(5, 2), d = token.substr(8, 2);
    } else if (token.size() == 10 && token[2] == '/' && token[5] == '/') {
        d = token.substr(0, 2), m = token.substr(3, 2), y = token.substr(6, 4);
    } else {
        return 0;
    }
    if (!Digits(y) || !Digits(m) || !Digits(d)) {
        return 0;
    }
    const int year = std::stoi(y), month = std::stoi(m), day = std::stoi(d);
    if (month < 1 || month > 12 || day < 1) {
        return 2;
    }
    // Thirty days hath September, April, June and November; February 28, 29 in a leap year.
    int last = 31;
    if (month == 4 || month == 6 || month == 9 || month == 11) {
        last = 30;
    } else if (month == 2) {
        const bool leap = year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
        last = leap ? 29 : 28;
    }
    return day <= last ? 1 : 2;
}

bool Word(const std::string& token) {
    for (char c : token) {
        if (std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80) {
            return true;
        }
    }
    return false;
}

struct Plain {
    std::vector<PastDraw> draws;
    std::vector<std::size_t> skipped;
    std::size_t headers = 0;
};

Plain Read(const std::string& text, int balls, int drawn) {
    Plain plain;
    std::size_t number = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        std::vector<std::string> tokens;
        std::string token;
        for (std::size_t i = 0; i <= line.size(); ++i) {
            const bool nbsp = line.compare(i, 2, "\xC2\xA0") == 0;
            if (i == line.size() || nbsp ||
                std::string(" \t,;").find(line[i]) != std::string::npos) {
                if (!token.empty()) {
                    tokens.push_back(token);
                }
                token.clear();
                i += nbsp;
            } else {
                token += line[i];
            }
        }
        if (tokens.empty()) {
            continue;
        }
        PastDraw draw;
        draw.line = number;
        const int date = DateKind(tokens[0]);
        if (date == 2) {
            plain.skipped.push_back(number);
            continue;
        }
        if (date == 1) {
            draw.date = tokens[0];
            tokens.erase(tokens.begin());
        }
        const bool words = std::any_of(tokens.begin(), tokens.end(), Word);
        if (draw.date.empty() && (std::none_of(tokens.begin(), tokens.end(), Digits) ||
                                  (plain.draws.empty() && words))) {
            ++plain.headers;
            continue;
        }
        bool good = true;
        std::set<int> seen;
        for (const std::string& each : tokens) {
            if (static_cast<int>(draw.numbers.size()) == drawn || !good) {
                break;
            }
            const auto first = each.find_first_not_of('0');
            const int value = !Digits(each)                ? 0
                              : first == std::string::npos ? 0
                              : each.size() - first > 3    ? 1000
                                                           : std::stoi(each.substr(first));
            good = value >= 1 && value <= balls && seen.insert(value).second;
            draw.numbers.push_back(value);
        }
        if (good && static_cast<int>(draw.numbers.size()) == drawn) {
            plain.draws.push_back(draw);
        } else {
            plain.skipped.push_back(number);
        }
    }
    return plain;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const int balls = data[0] % 89 + 2;
    const int drawn = data[1] % std::min(balls, 20) + 1;
    const std::string text(reinterpret_cast<const char*>(data) + 2, size - 2);
    const DrawHistory got = ParseHistory(text, balls, drawn);
    const Plain want = Read(text, balls, drawn);
    Check(got.draws.size() == want.draws.size(), "how many draws");
    for (std::size_t i = 0; i < want.draws.size(); ++i) {
        Check(got.draws[i].line == want.draws[i].line && got.draws[i].date == want.draws[i].date &&
                  got.draws[i].numbers == want.draws[i].numbers,
              "a draw");
    }
    Check(got.skipped.size() == want.skipped.size(), "how many lines skipped");
    for (std::size_t i = 0; i < want.skipped.size(); ++i) {
        Check(got.skipped[i].line == want.skipped[i] && !got.skipped[i].reason.empty(),
              "a line skipped");
    }
    Check(got.headers == want.headers, "how many headers");
    Check(got.refusal.has_value() == want.draws.empty(), "a file with no draw");
    return 0;
}
