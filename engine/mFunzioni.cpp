#include "mFunzioni.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>

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

void SortNumbers(std::span<Number> line) {
    // Distinct numbers below 64 sort themselves as the bits of one word.
    std::uint64_t bits = 0;
    bool distinct = true;
    for (Number n : line) {
        const std::uint64_t bit = n < 64 ? std::uint64_t{1} << n : 0;
        distinct = distinct && bit != 0 && (bits & bit) == 0;
        bits |= bit;
    }
    if (distinct) {
        for (Number& n : line) {
            n = static_cast<Number>(std::countr_zero(bits));
            bits &= bits - 1;
        }
    } else if (line.size() > 16) {
        std::sort(line.begin(), line.end());
    } else {
        for (std::size_t i = 1; i < line.size(); ++i) { // repeats in a short line
            const Number n = line[i];
            std::size_t j = i;
            for (; j > 0 && line[j - 1] > n; --j) {
                line[j] = line[j - 1];
            }
            line[j] = n;
        }
    }
}

// Lines of one short length are sorted as fixed-size records: a stable
// counting sort on each position, last position first (LSD radix). Linear in
// the numbers, and the lines never leave their flat array.
constexpr std::size_t kRadixWidth = 8;

template <std::size_t Width> void RadixSortLines(std::span<Number> numbers) {
    std::array<std::array<std::size_t, 256>, Width> histograms{};
    for (const Number* line = numbers.data(); line != numbers.data() + numbers.size();
         line += Width) {
        for (std::size_t position = 0; position < Width; ++position) {
            ++histograms[position][line[position]];
        }
    }

    const std::size_t count = numbers.size() / Width;
    std::vector<Number> scratch(numbers.size());
    Number* from = numbers.data();
    Number* to = scratch.data();
    for (std::size_t position = Width; position-- > 0;) {
        std::array<std::size_t, 256>& slots = histograms[position];
        if (std::find(slots.begin(), slots.end(), count) != slots.end()) {
            continue; // every line has the same number here
        }
        std::size_t next = 0;
        for (std::size_t& slot : slots) {
            next += std::exchange(slot, next);
        }
        for (const Number* line = from; line != from + numbers.size(); line += Width) {
            std::memcpy(to + slots[line[position]]++ * Width, line, Width);
        }
        std::swap(from, to);
    }
    if (from != numbers.data()) {
        std::memcpy(numbers.data(), from, numbers.size());
    }
}

template <std::size_t... Widths>
void RadixSortLines(std::span<Number> numbers, std::size_t width, std::index_sequence<Widths...>) {
    ((width == Widths + 1 ? RadixSortLines<Widths + 1>(numbers) : void()), ...);
}

void SortLinesByIndex(LineList& lines) {
    std::vector<std::size_t> order(lines.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::sort(order.begin(), order.end(), [&lines](std::size_t a, std::size_t b) {
        return LineLess(lines.line(a), lines.line(b));
    });

    LineList sorted;
    sorted.reserve(lines.numberCount());
    for (std::size_t i : order) {
        const std::span<const Number> line = lines.line(i);
        std::copy(line.begin(), line.end(), sorted.addLine(line.size()).begin());
    }
    lines = std::move(sorted);
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

std::string MatrixProblem(const std::vector<int>& list) {
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
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SortNumbers(lines.line(i));
    }
    const std::size_t width = lines.uniformWidth();
    if (width > 0 && width <= kRadixWidth) {
        RadixSortLines(lines.numbers(), width, std::make_index_sequence<kRadixWidth>{});
    } else {
        SortLinesByIndex(lines);
    }
}

void LineList::endLine() {
    const std::size_t length = numbers_.size() - start(lines_);
    if (lines_ == 0) {
        width_ = length;
    } else if (uniform_ && length != width_) {
        // The first line of another length: from here on every end is stored.
        ends_.reserve(lines_ + 1);
        for (std::size_t i = 1; i <= lines_; ++i) {
            ends_.push_back(static_cast<std::uint32_t>(i * width_));
        }
        uniform_ = false;
    }
    if (!uniform_) {
        ends_.push_back(static_cast<std::uint32_t>(numbers_.size()));
    }
    ++lines_;
}

std::span<Number> LineList::addLine(std::size_t length) {
    const std::size_t first = numbers_.size();
    numbers_.resize(first + length);
    endLine();
    return {numbers_.data() + first, length};
}

} // namespace quorvex
