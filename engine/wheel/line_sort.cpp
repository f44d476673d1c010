// Sorting developed lines: the numbers within each line, then the lines, in linear time.
#include "line_sort.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <numeric>
#include <utility>
#include <vector>

namespace quorvex {

namespace {

// Lines up to this long are sorted as records of one size, short ones padded.
constexpr std::size_t kWidestRecord = 16;
// Groups of lines this small are sorted by comparison.
constexpr std::size_t kSmallGroup = 32;

// Records of one size, a stable counting sort on each position from the last
// (LSD radix): linear in the numbers, and the records stay in flat arrays.
template <std::size_t Width> void RadixSortRecords(std::span<Number> records) {
    std::array<std::array<std::size_t, 256>, Width> histograms{};
    for (const Number* record = records.data(); record != records.data() + records.size();
         record += Width) {
        for (std::size_t position = 0; position < Width; ++position) {
            ++histograms[position][record[position]];
        }
    }

    const std::size_t count = records.size() / Width;
    std::vector<Number> scratch(records.size());
    Number* from = records.data();
    Number* to = scratch.data();
    for (std::size_t position = Width; position-- > 0;) {
        std::array<std::size_t, 256>& slots = histograms[position];
        if (std::find(slots.begin(), slots.end(), count) != slots.end()) {
            continue; // every record has the same number here
        }
        std::size_t next = 0;
        for (std::size_t& slot : slots) {
            next += std::exchange(slot, next);
        }
        for (const Number* record = from; record != from + records.size(); record += Width) {
            std::memcpy(to + slots[record[position]]++ * Width, record, Width);
        }
        std::swap(from, to);
    }
    if (from != records.data()) {
        std::memcpy(records.data(), from, records.size());
    }
}

template <std::size_t... Widths>
void RadixSortRecords(std::span<Number> records, std::size_t width,
                      std::index_sequence<Widths...>) {
    ((width == Widths + 1 ? RadixSortRecords<Widths + 1>(records) : void()), ...);
}

// Ascending: in one word of bits when the numbers are distinct, by counting
// them when a long line repeats some.
void SortLineNumbers(std::span<Number> line) {
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
    } else if (line.size() > kSmallGroup) {
        std::array<std::size_t, 256> counts{};
        for (Number n : line) {
            ++counts[n];
        }
        auto out = line.begin();
        for (std::size_t n = 0; n < counts.size(); ++n) {
            out = std::fill_n(out, counts[n], static_cast<Number>(n));
        }
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

// A line as a record of Width numbers, its own sorted and 0s after them. The
// loops run Width times whatever the line's length, so that lines of mixed
// lengths cost no mispredicted branches.
template <std::size_t Width> void FillRecord(std::span<const Number> line, Number* record) {
    const std::size_t length = line.size();
    std::uint64_t bits = 0;
    unsigned above63 = 0; // a key of a game over 63 balls has no bit of its own
    for (std::size_t k = 0; k < Width; ++k) {
        const Number n = k < length ? line[k] : 0;
        record[k] = n;
        bits |= (std::uint64_t{1} << (n & 63)) & ~std::uint64_t{1}; // 0 pads
        above63 |= n & ~63u;
    }
    if (above63 != 0 || static_cast<std::size_t>(std::popcount(bits)) != length) { // or a repeat
        SortLineNumbers({record, length});
        return;
    }
    for (std::size_t k = 0; k < Width; ++k) {
        record[k] = static_cast<Number>(bits != 0 ? std::countr_zero(bits) : 0);
        bits &= bits - 1;
    }
}

template <std::size_t Width> void FillRecords(const LineList& lines, std::span<Number> records) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        FillRecord<Width>(lines.line(i), records.data() + i * Width);
    }
    RadixSortRecords<Width>(records);
}

bool LessFrom(std::span<const Number> a, std::span<const Number> b, std::size_t depth) {
    return std::lexicographical_compare(a.begin() + depth, a.end(), b.begin() + depth, b.end());
}

// Lines of any length: an MSD radix sort of their indexes, one position at a
// time, each group of lines that agree so far split by the next number (0 for
// a line that has ended, which sorts first). Small groups are sorted by
// comparison. The work is linear in the numbers that tell the lines apart.
void MsdSortLines(LineList& lines) {
    std::vector<std::uint32_t> order(lines.size()), scratch(lines.size());
    std::iota(order.begin(), order.end(), 0u);
    struct Group {
        std::size_t begin, end, depth;
    };
    std::vector<Group> groups{{0, order.size(), 0}};
    while (!groups.empty()) {
        const auto [begin, end, depth] = groups.back();
        groups.pop_back();
        auto first = order.begin() + static_cast<std::ptrdiff_t>(begin);
        auto last = order.begin() + static_cast<std::ptrdiff_t>(end);
        if (end - begin < kSmallGroup) {
            std::sort(first, last, [&lines, depth = depth](std::uint32_t a, std::uint32_t b) {
                return LessFrom(lines.line(a), lines.line(b), depth);
            });
            continue;
        }
        auto key = [&lines, depth = depth](std::uint32_t i) -> std::size_t {
            const std::span<const Number> line = lines.line(i);
            return depth < line.size() ? line[depth] + std::size_t{1} : 0;
        };
        std::array<std::size_t, 258> starts{};
        for (auto it = first; it != last; ++it) {
            ++starts[key(*it) + 1];
        }
        std::partial_sum(starts.begin(), starts.end(), starts.begin());
        std::array<std::size_t, 258> next = starts;
        for (auto it = first; it != last; ++it) {
            scratch[begin + next[key(*it)]++] = *it;
        }
        std::copy(scratch.begin() + static_cast<std::ptrdiff_t>(begin),
                  scratch.begin() + static_cast<std::ptrdiff_t>(end), first);
        for (std::size_t k = 1; k < 257; ++k) { // lines that have ended (k = 0) are equal
            if (starts[k + 1] - starts[k] > 1) {
                groups.push_back({begin + starts[k], begin + starts[k + 1], depth + 1});
            }
        }
    }

    LineList sorted;
    sorted.reserve(lines.numberCount());
    for (std::uint32_t i : order) {
        const std::span<const Number> line = lines.line(i);
        std::copy(line.begin(), line.end(), sorted.addLine(line.size()).begin());
    }
    lines = std::move(sorted);
}

} // namespace

void SortLines(LineList& lines) {
    constexpr auto kWidths = std::make_index_sequence<kWidestRecord>{};
    const std::size_t uniform = lines.uniformWidth();
    if (uniform > 0 && uniform <= kWidestRecord) { // the lines are the records
        for (std::size_t i = 0; i < lines.size(); ++i) {
            SortLineNumbers(lines.line(i));
        }
        RadixSortRecords(lines.numbers(), uniform, kWidths);
        return;
    }
    const std::size_t widest = lines.widest();
    // Records of whole words move fastest; padding short lines to one costs at
    // most as much again as the lines.
    const std::size_t width = widest <= 8 ? 8 : 16;
    if (widest <= kWidestRecord && lines.size() * width <= 2 * lines.numberCount()) {
        const std::size_t size = lines.size() * width;
        const std::unique_ptr<Number[]> records(new Number[size]); // every byte is written
        width == 8 ? FillRecords<8>(lines, {records.get(), size})
                   : FillRecords<16>(lines, {records.get(), size});
        lines.AssignRecords({records.get(), size}, width);
        return;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SortLineNumbers(lines.line(i));
    }
    MsdSortLines(lines);
}

} // namespace quorvex
