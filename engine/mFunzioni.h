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

// Lines of numbers held flat: one byte per number plus the end of each line.
// A million six-number lines fit in 10 MB, instead of a string per line.
class LineList {
public:
    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    std::size_t numberCount() const { return numbers_.size(); }

    // Line i, counted from 0.
    std::span<const Number> line(std::size_t i) const {
        return {numbers_.data() + start(i), numbers_.data() + ends_[i]};
    }
    std::span<Number> line(std::size_t i) {
        return {numbers_.data() + start(i), numbers_.data() + ends_[i]};
    }
    std::span<const Number> numbers() const { return numbers_; }

    void reserve(std::size_t lines, std::size_t numbers) {
        ends_.reserve(lines);
        numbers_.reserve(numbers);
    }
    void push(Number n) { numbers_.push_back(n); }
    void endLine() { ends_.push_back(static_cast<std::uint32_t>(numbers_.size())); }
    void clear() {
        numbers_ = {};
        ends_ = {};
    }

    // More numbers than this cannot be indexed by the 32-bit line ends.
    static constexpr std::size_t kMaxNumbers = UINT32_MAX;

    bool operator==(const LineList&) const = default;

private:
    std::size_t start(std::size_t i) const { return i == 0 ? 0 : ends_[i - 1]; }

    std::vector<Number> numbers_;
    std::vector<std::uint32_t> ends_;
};

// A matrix text read into lines, or the first reason it cannot be a matrix.
struct ParsedMatrix {
    LineList lines;
    std::string problem; // empty when every token was a number 1..49
};

// Splits a text into lines (CR LF or LF), drops blank ones, and reads every
// run of digits between spaces or tabs as a number that must lie in 1..49.
ParsedMatrix ParseMatrix(std::string_view text);

// How many distinct numbers the lines use.
int CountNumbers(const LineList& lines);

// The distinct numbers the lines use, ascending.
std::vector<int> ListNumbers(const LineList& lines);

// Why the lines are not a matrix on exactly the numbers 1..N, or "" when they are.
std::string MatrixProblem(const LineList& lines);

inline bool MatrixIsInvalid(const LineList& lines) {
    return !MatrixProblem(lines).empty();
}

// Puts the numbers of every line in ascending order, then the lines themselves
// in ascending order of their two-digit text.
void SortSystem(LineList& lines);

// A line as the program writes it: two digits a number, single spaces.
std::string FormatLine(std::span<const Number> line);

} // namespace quorvex
