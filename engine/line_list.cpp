#include "line_list.h"

#include <algorithm>

namespace quorvex {

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

void LineList::AssignRecords(std::span<const Number> records, std::size_t width) {
    std::size_t next = 0;
    for (std::size_t i = 0; i < lines_; ++i) {
        const Number* record = records.data() + i * width;
        std::size_t length = width;
        while (length > 0 && record[length - 1] == 0) {
            --length;
        }
        std::copy(record, record + length, numbers_.begin() + static_cast<std::ptrdiff_t>(next));
        next += length;
        if (!uniform_) {
            ends_[i] = static_cast<std::uint32_t>(next);
        }
    }
}

} // namespace quorvex
