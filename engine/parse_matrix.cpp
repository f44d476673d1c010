#include "parse_matrix.h"

#include <algorithm>

namespace quorvex {

namespace {

// Spreadsheets export commas and semicolons; editors, spaces and tabs.
bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == ';';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A CR counts as part of a line break only right before its LF.
bool IsLineEnd(std::string_view text, std::size_t i) {
    return text[i] == '\n' || (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
}

// Refuses the text for the token around text[at]: which line of the text, and what it says.
ParsedMatrix BadToken(std::string_view text, std::size_t at) {
    std::size_t first = at;
    while (first > 0 && !IsSeparator(text[first - 1]) && text[first - 1] != '\n') {
        --first;
    }
    std::size_t last = at;
    while (last < text.size() && !IsSeparator(text[last]) && !IsLineEnd(text, last)) {
        ++last;
    }
    const auto lineNumber = 1 + std::count(text.begin(), text.begin() + first, '\n');
    return {{},
            "line " + std::to_string(lineNumber) + ": " +
                QuoteToken(text.substr(first, last - first)) + " is not a number 1-49",
            first,
            last - first};
}

} // namespace

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

ParsedMatrix ParseMatrix(std::string_view text) {
    ParsedMatrix parsed;
    LineList& lines = parsed.lines;
    // Every number takes at least a digit and a separator; pages reserved
    // beyond what is used are never touched.
    lines.reserve(std::min(text.size() / 2 + 1, LineList::kMaxNumbers));

    std::size_t lineStart = 0; // numbers held when the current line began
    auto endLine = [&lines, &lineStart] {
        if (lines.numberCount() > lineStart) { // blank lines are dropped
            lines.endLine();
            lineStart = lines.numberCount();
        }
    };

    // One pass over the bytes: digits make numbers, spaces and tabs separate
    // them, LF or CR LF ends a line; anything else spoils its token.
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (IsDigit(c)) {
            const std::size_t tokenStart = i;
            unsigned value = 0;
            for (; i < text.size() && IsDigit(text[i]); ++i) {
                // Saturate: a thousand-digit number is simply "too big".
                value = std::min(value * 10 + static_cast<unsigned>(text[i] - '0'), 100u);
            }
            const bool tokenEnds = i == text.size() || IsSeparator(text[i]) || IsLineEnd(text, i);
            if (!tokenEnds || value < 1 || value > kHighestNumber) {
                return BadToken(text, tokenStart);
            }
            lines.push(static_cast<Number>(value));
        } else if (IsSeparator(c)) {
            ++i;
        } else if (c == '\n') {
            endLine();
            ++i;
        } else if (IsLineEnd(text, i)) {
            ++i; // the CR of CR LF
        } else {
            return BadToken(text, i);
        }
    }
    endLine();
    if (lines.numberCount() > LineList::kMaxNumbers) {
        return {{}, "the matrix is too large", 0, 0};
    }
    return parsed;
}

} // namespace quorvex
