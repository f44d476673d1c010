#pragma once
// Lines of numbers held flat, the storage behind the matrix and the system.

#include <cstdint>
#include <span>
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
    // The length of the longest line.
    std::size_t widest() const { return widest_; }

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
    // Rewrites every line from records of `width` numbers each (8 or 16), in
    // order, a record's line ending before the 0s that pad it. The records
    // must hold the same lines as now, in any order.
    void AssignRecords(std::span<const Number> records, std::size_t width);
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
    std::size_t widest_ = 0;
    bool uniform_ = true;
};

} // namespace quorvex
