#pragma once
// Seeded random wheels, for the benchmarks and the tests: the same seed and
// shape always give the same wheel, and every number 1..N is used.

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace quorvex::bench {

struct WheelShape {
    int numbers = 49; // N
    int minWidth = 6; // each line's length is picked from minWidth to maxWidth
    int maxWidth = 6;
    bool repeats = false; // whether a line may hold a number twice
};

using WheelRows = std::vector<std::vector<int>>;

// Line l starts with the number l % N + 1, so N lines or more use every
// number; with fewer, each number still missing goes at the end of a line.
inline WheelRows RandomWheel(std::mt19937& random, std::size_t lineCount, const WheelShape& shape) {
    const auto pick = [&random](int from, int to) {
        return from + static_cast<int>(random() % static_cast<unsigned>(to - from + 1));
    };
    WheelRows rows(lineCount);
    for (std::size_t l = 0; l < lineCount; ++l) {
        int width = shape.minWidth == shape.maxWidth ? shape.minWidth
                                                     : pick(shape.minWidth, shape.maxWidth);
        if (!shape.repeats) {
            width = std::min(width, shape.numbers); // no more distinct numbers than there are
        }
        std::vector<bool> used(static_cast<std::size_t>(shape.numbers) + 1);
        std::vector<int>& row = rows[l];
        row.push_back(static_cast<int>(l % static_cast<std::size_t>(shape.numbers)) + 1);
        used[static_cast<std::size_t>(row[0])] = true;
        while (static_cast<int>(row.size()) < width) {
            const int n = pick(1, shape.numbers);
            if (shape.repeats || !used[static_cast<std::size_t>(n)]) {
                used[static_cast<std::size_t>(n)] = true;
                row.push_back(n);
            }
        }
    }
    std::vector<bool> anywhere(static_cast<std::size_t>(shape.numbers) + 1);
    for (const std::vector<int>& row : rows) {
        for (int n : row) {
            anywhere[static_cast<std::size_t>(n)] = true;
        }
    }
    for (int n = 1; n <= shape.numbers && lineCount > 0; ++n) {
        if (!anywhere[static_cast<std::size_t>(n)]) {
            rows[random() % lineCount].push_back(n);
        }
    }
    return rows;
}

// Numbers apart by single spaces, lines ended by LF.
inline std::string WheelText(const WheelRows& rows) {
    std::string text;
    for (const std::vector<int>& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            text += std::to_string(row[i]);
            text += i + 1 < row.size() ? ' ' : '\n';
        }
    }
    return text;
}

} // namespace quorvex::bench
