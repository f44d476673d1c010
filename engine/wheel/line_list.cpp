// Lines of numbers held flat: building them line by line, and rewriting them in sorted order.
#include "line_list.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace quorvex {

void LineList::endLine() {
    const std::size_t length = numbers_.size() - start(lines_);
    widest_ = std::max(widest_, length);
    if (lines_ == 0) {
        width_ = length;
    } else if (uniform_ && length != width_) {
        // The first line of another length: from here on every end is stored,
        // room reserved as for the numbers (no more lines than numbers).
        ends_.reserve(std::max(lines_ + 1, numbers_.capacity() / 4));
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

void LineList::AssignRecords(std::span<const Number> records, std::size_t width) {
    std::size_t next = 0;
    for (std::size_t i = 0; i < lines_; ++i) {
        const Number* record = records.data() + i * width;
        // A byte is not 0 when its low seven bits plus 127, or its top bit, carry
        // into the top: one count for eight numbers at a time.
        std::size_t length = 0;
        for (std::size_t k = 0; k < width; k += 8) {
            std::uint64_t word;
            std::memcpy(&word, record + k, 8);
            const std::uint64_t low = 0x7F7F7F7F7F7F7F7Full;
            length += static_cast<std::size_t>(std::popcount((((word & low) + low) | word) & ~low));
        }
        // The whole record where there is room: its padding is overwritten by the next line.
        Number* out = numbers_.data() + next;
        if (next + width <= numbers_.size()) {
            width == 8 ? std::memcpy(out, record, 8) : std::memcpy(out, record, 16);
        } else {
            std::memcpy(out, record, length);
        }
        next += length;
        if (!uniform_) {
            ends_[i] = static_cast<std::uint32_t>(next);
        }
    }
}

} // namespace quorvex
