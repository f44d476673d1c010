#include "mFunzioni.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace quorvex {

namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == '\t';
}

// A token as it can be shown in a one-line notice: printable ASCII only, short.
std::string QuoteToken(std::string_view token) {
    constexpr std::size_t kShown = 8;
    std::string shown;
    for (char c : token.substr(0, token.size() > kShown ? kShown - 2 : kShown)) {
        shown += (c > ' ' && c < 127) ? c : '?';
    }
    if (token.size() > kShown) {
        shown += "...";
    }
    return '"' + shown + '"';
}

// Reads one line's tokens into `lines`; returns the first bad token's notice or "".
std::string ParseLine(std::string_view line, std::size_t lineNumber, LineList& lines) {
    const char* p = line.data();
    const char* const end = p + line.size();
    while (p < end) {
        if (IsSeparator(*p)) {
            ++p;
            continue;
        }
        const char* const tokenStart = p;
        unsigned value = 0;
        bool digitsOnly = true;
        for (; p < end && !IsSeparator(*p); ++p) {
            const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
            if (digit > 9) {
                digitsOnly = false;
            } else {
                // Saturate: a thousand-digit number is simply "too big".
                value = std::min(value * 10 + digit, 100u);
            }
        }
        if (!digitsOnly || value < 1 || value > kHighestNumber) {
            return "line " + std::to_string(lineNumber) + ": " +
                   QuoteToken({tokenStart, static_cast<std::size_t>(p - tokenStart)}) +
                   " is not a number 1-49";
        }
        lines.push(static_cast<Number>(value));
    }
    return {};
}

// used[n] is true when some line holds the number n.
std::array<bool, 256> UsedNumbers(const LineList& lines) {
    std::array<bool, 256> used{};
    for (Number n : lines.numbers()) {
        used[n] = true;
    }
    return used;
}

// Ascending order of whole lines equals ascending order of their two-digit
// text: every number is two characters wide, and a line that is a prefix of
// another sorts first in both.
bool LineLess(std::span<const Number> a, std::span<const Number> b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end());
}

// Lines of at most eight numbers: each line packed big-endian into one 64-bit
// key, zero-padded (no number is 0, so a shorter prefix sorts first).
constexpr std::size_t kPackedWidth = 8;

void SortPackedLines(LineList& lines) {
    std::vector<std::uint64_t> keys(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::span<const Number> line = lines.line(i);
        std::uint64_t key = 0;
        for (std::size_t k = 0; k < kPackedWidth; ++k) {
            key = key << 8 | (k < line.size() ? line[k] : 0);
        }
        keys[i] = key;
    }
    std::sort(keys.begin(), keys.end());

    LineList sorted;
    sorted.reserve(lines.size(), lines.numberCount());
    for (std::uint64_t key : keys) {
        for (; key != 0; key <<= 8) {
            sorted.push(static_cast<Number>(key >> 56));
        }
        sorted.endLine();
    }
    lines = std::move(sorted);
}

void SortLongLines(LineList& lines) {
    std::vector<std::uint32_t> order(lines.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = static_cast<std::uint32_t>(i);
    }
    std::sort(order.begin(), order.end(), [&lines](std::uint32_t a, std::uint32_t b) {
        return LineLess(lines.line(a), lines.line(b));
    });

    LineList sorted;
    sorted.reserve(lines.size(), lines.numberCount());
    for (std::uint32_t i : order) {
        for (Number n : lines.line(i)) {
            sorted.push(n);
        }
        sorted.endLine();
    }
    lines = std::move(sorted);
}

} // namespace

ParsedMatrix ParseMatrix(std::string_view text) {
    ParsedMatrix parsed;
    LineList& lines = parsed.lines;
    // Every number takes at least a digit and a separator.
    const auto lineBreaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    lines.reserve(lineBreaks + 1, std::min(text.size() / 2 + 1, LineList::kMaxNumbers));

    std::size_t lineNumber = 0;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t lineFeed = text.find('\n', pos);
        const bool last = lineFeed == std::string_view::npos;
        std::string_view line = text.substr(pos, (last ? text.size() : lineFeed) - pos);
        if (!last && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        ++lineNumber;

        const std::size_t before = lines.numberCount();
        parsed.problem = ParseLine(line, lineNumber, lines);
        if (parsed.problem.empty() && lines.numberCount() > LineList::kMaxNumbers) {
            parsed.problem = "the matrix is too large";
        }
        if (!parsed.problem.empty()) {
            lines.clear();
            return parsed;
        }
        if (lines.numberCount() > before) {
            lines.endLine();
        }
        if (last) {
            return parsed;
        }
        pos = lineFeed + 1;
    }
}

int CountNumbers(const LineList& lines) {
    const auto used = UsedNumbers(lines);
    return static_cast<int>(std::count(used.begin(), used.end(), true));
}

std::vector<int> ListNumbers(const LineList& lines) {
    const auto used = UsedNumbers(lines);
    std::vector<int> list;
    for (int n = 0; n < static_cast<int>(used.size()); ++n) {
        if (used[n]) {
            list.push_back(n);
        }
    }
    return list;
}

std::string MatrixProblem(const LineList& lines) {
    const std::vector<int> list = ListNumbers(lines);
    if (list.empty()) {
        return "no numbers found";
    }
    for (int n : list) {
        if (n < 1 || n > kHighestNumber) {
            return "number " + std::to_string(n) + " is not 1-49";
        }
    }
    // Distinct and ascending, so 1..N exactly when each equals its position.
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] != static_cast<int>(i) + 1) {
            return "number " + std::to_string(i + 1) + " is missing";
        }
    }
    return {};
}

void SortSystem(LineList& lines) {
    bool allShort = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::span<Number> line = lines.line(i);
        std::sort(line.begin(), line.end());
        allShort = allShort && line.size() <= kPackedWidth;
    }
    if (allShort) {
        SortPackedLines(lines);
    } else {
        SortLongLines(lines);
    }
}

std::string FormatLine(std::span<const Number> line) {
    std::string text;
    text.reserve(line.size() * 3);
    for (Number n : line) {
        if (!text.empty()) {
            text += ' ';
        }
        text += static_cast<char>('0' + n / 10);
        text += static_cast<char>('0' + n % 10);
    }
    return text;
}

} // namespace quorvex
