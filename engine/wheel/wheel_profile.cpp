// A held wheel's line lengths and the lines worth a warning.
#include "wheel_profile.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <utility>
#include <vector>

namespace quorvex {

WheelProfile ProfileWheel(const LineList& lines) {
    WheelProfile profile;
    profile.lines = lines.size();
    std::size_t longest = 0;
    std::vector<std::pair<std::uint64_t, std::size_t>> sets; // each line's numbers, and where
    sets.reserve(lines.size());
    for (std::size_t l = 0; l < lines.size(); ++l) {
        const std::span<const Number> line = lines.line(l);
        std::uint64_t set = 0;
        for (Number n : line) {
            set |= std::uint64_t{1} << n;
        }
        sets.emplace_back(set, l);
        const int distinct = std::popcount(set);
        ++profile.linesOfLength[line.size()];
        longest = std::max(longest, line.size());
        profile.longestDistinct = std::max(profile.longestDistinct, distinct);
        if (static_cast<std::size_t>(distinct) < line.size() && profile.repeatingLines++ == 0) {
            profile.firstRepeating = l + 1;
        }
    }
    for (std::size_t l = 0; l < lines.size(); ++l) {
        if (lines.line(l).size() < longest && profile.shorterLines++ == 0) {
            profile.firstShorter = l + 1;
        }
    }
    // Sorted, a line's equals follow it, the earliest first.
    std::sort(sets.begin(), sets.end());
    for (std::size_t i = 1; i < sets.size(); ++i) {
        if (sets[i].first == sets[i - 1].first) {
            ++profile.sameLines;
            const std::size_t line = sets[i].second + 1;
            profile.firstSame = profile.firstSame == 0 ? line : std::min(profile.firstSame, line);
        }
    }
    return profile;
}

} // namespace quorvex
