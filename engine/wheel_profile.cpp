#include "wheel_profile.h"

#include <bit>
#include <cstdint>

namespace quorvex {

WheelProfile ProfileWheel(const LineList& lines) {
    WheelProfile profile;
    profile.lines = lines.size();
    std::size_t longest = 0;
    for (std::size_t l = 0; l < lines.size(); ++l) {
        const std::span<const Number> line = lines.line(l);
        std::uint64_t set = 0;
        for (Number n : line) {
            set |= std::uint64_t{1} << n;
        }
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
    return profile;
}

} // namespace quorvex
