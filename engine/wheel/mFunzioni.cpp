// The numbers a matrix uses, and whether they are exactly 1..N.
#include "mFunzioni.h"

#include <algorithm>
#include <array>

namespace quorvex {

namespace {

// used[n] is true when some line holds the number n.
std::array<bool, 256> UsedNumbers(const LineList& lines) {
    std::array<bool, 256> used{};
    for (Number n : lines.numbers()) {
        used[n] = true;
    }
    return used;
}

} // namespace

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

std::optional<Refusal> MatrixProblem(const std::vector<int>& list) {
    if (list.empty()) {
        return Refusal{"no numbers found"};
    }
    // Distinct and ascending, so 1..N exactly when each equals its position.
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] != static_cast<int>(i) + 1) {
            return Refusal{"number " + std::to_string(i + 1) + " is missing"};
        }
    }
    return std::nullopt;
}

WheelReading ReadWheel(std::string_view text) {
    ParsedMatrix parsed = ParseMatrix(text);
    WheelReading wheel{std::move(parsed.lines), {}, std::move(parsed.refusal)};
    wheel.numbers = ListNumbers(wheel.lines); // one pass serves the count and the check
    if (!wheel.refusal) {
        wheel.refusal = MatrixProblem(wheel.numbers);
    }
    return wheel;
}

} // namespace quorvex
