#pragma once
// Line lists and the functions over them: reading a matrix text, counting and
// checking its numbers, normalising and sorting a developed system.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

// A matrix number or a key number; both run 1..49 once a text has been read.
using Number = std::uint8_t;
constexpr int kHighestNumber = 49;

// Lines of numbers held flat: one byte per number. While every line has the
// same length (as in any real wheel) that length says where each line starts;
// only lines of mixed lengths need the end of each line stored as well. A
// million six-number lines take 6 MB.
class LineList {
public:
    std::size_t size() const { return lines_; }
    bool empty() const { return lines_ == 0; }
    std::size_t numberCount() const { return numbers_.size(); }
    // The length shared by every line, or 0 when the lengths differ.
    std::size_t uniformWidth() const { return uniform_ ? width_ : 0; }

    // Line i, counted from 0.
    std::span<const Number> line(std::size_t i) const {
        return {numbers_.data() + start(i), numbers_.data() + end(i)};
    }
    std::span<Number> line(std::size_t i) {
        return {numbers_.data() + start(i), numbers_.data() + end(i)};
    }
    std::span<const Number> numbers() const { return numbers_; }
    std::span<Number> numbers() { return numbers_; }

    void reserve(std::size_t numbers) { numbers_.reserve(numbers); }
    // Builds a line number by number: push() each, then endLine().
    void push(Number n) { numbers_.push_back(n); }
    void endLine();
    // Adds a line of `length` numbers for the caller to fill in.
    std::span<Number> addLine(std::size_t length);
    void clear() { *this = {}; }

    // Mixed-length lines end at 32-bit offsets.
    static constexpr std::size_t kMaxNumbers = UINT32_MAX;

private:
    std::size_t start(std::size_t i) const {
        return uniform_ ? i * width_ : (i == 0 ? 0 : ends_[i - 1]);
    }
    std::size_t end(std::size_t i) const { return uniform_ ? (i + 1) * width_ : ends_[i]; }

    std::vector<Number> numbers_;
    std::vector<std::uint32_t> ends_; // only once the lengths differ
    std::size_t lines_ = 0;
    std::size_t width_ = 0;
    bool uniform_ = true;
};

// A matrix text read into lines, or the first reason it cannot be a matrix.
struct ParsedMatrix {
    LineList lines;
    std::string problem; // empty when every token was a number 1..49
    // Where the token that is not a number lies in the text, in bytes.
    std::size_t tokenStart = 0;
    std::size_t tokenLength = 0;
};

// Splits a text into lines (CR LF or LF), drops blank ones, and reads every
// run of digits between spaces, tabs, commas or semicolons as a number that
// must lie in 1..49.
ParsedMatrix ParseMatrix(std::string_view text);

// A token as it can be shown in a one-line notice, quoted: printable ASCII
// only ('?' for anything else), at most 8 characters.
std::string QuoteToken(std::string_view token);

// How many distinct numbers the lines use.
int CountNumbers(const LineList& lines);

// The distinct numbers the lines use, ascending.
std::vector<int> ListNumbers(const LineList& lines);

// Why the distinct numbers of some lines (as ListNumbers gives them) are not
// exactly 1..N, or "" when they are.
std::string MatrixProblem(const std::vector<int>& numbers);

inline bool MatrixIsInvalid(const LineList& lines) {
    return !MatrixProblem(ListNumbers(lines)).empty();
}

// Puts the numbers of every line in ascending order, then the lines themselves
// in ascending order of their two-digit text.
void SortSystem(LineList& lines);

} // namespace quorvex
