// A goal's refusals and its lower bounds.
#include "wheel_goal.h"

#include <algorithm>

#include "combinations.h"
#include "line_list.h"

namespace quorvex {

std::optional<Refusal> GoalProblem(const WheelGoal& goal) {
    const auto [n, k, t, m] = goal;
    if (n < 2 || n > kHighestNumber) {
        return Refusal{"A wheel has 2 to " + std::to_string(kHighestNumber) + " numbers."};
    }
    if (k < 1 || k > n) {
        return Refusal{"A ticket holds 1 to " + std::to_string(n) +
                       " numbers: the wheel has only " + std::to_string(n) + "."};
    }
    if (m < 1 || m > n || m > kMaxDrawn) {
        return Refusal{"The numbers drawn must be 1 to " + std::to_string(std::min(n, kMaxDrawn)) +
                       ": a guarantee counts draws of at most " + std::to_string(kMaxDrawn) +
                       ", and never more than the wheel's " + std::to_string(n) + " numbers."};
    }
    if (t < 1 || t > k || t > m) {
        return Refusal{"The guarantee must be 1 to " + std::to_string(std::min(k, m)) +
                       ": no ticket holds more than its " + std::to_string(k) +
                       " numbers, nor more than the " + std::to_string(m) + " drawn."};
    }
    if (Binomial(n, m) > kMaxSearchCases) {
        return Refusal{"Too large to build: " + std::to_string(Binomial(n, m)) + " ways to draw " +
                       std::to_string(m) + " of " + std::to_string(n) + " numbers, above the " +
                       std::to_string(kMaxSearchCases) + " a search can keep in memory."};
    }
    return std::nullopt;
}

std::optional<std::uint64_t> SchoenheimBound(int numbers, int perTicket, int atLeast) {
    if (atLeast < 0 || atLeast > perTicket || perTicket > numbers) {
        return std::nullopt;
    }
    std::uint64_t bound = 1;
    // From L(N-t, k-t, 0) = 1 upwards.
    for (int i = atLeast; i >= 1; --i) {
        const auto v = static_cast<std::uint64_t>(numbers - i + 1);
        const auto k = static_cast<std::uint64_t>(perTicket - i + 1);
        bound = (v * bound + k - 1) / k;
    }
    return bound;
}

std::optional<std::uint64_t> LowerBound(const WheelGoal& goal) {
    if (GoalProblem(goal)) {
        return std::nullopt;
    }
    const auto [n, k, t, m] = goal;
    if (m == t) {
        return SchoenheimBound(n, k, t);
    }
    // Counting: a ticket meets at most `reach` of the C(N, m) draws in t or
    // more numbers, and every draw must be met so, hence b * reach >= C(N, m).
    std::uint64_t reach = 0;
    for (int j = t; j <= std::min(k, m); ++j) {
        reach += Binomial(k, j) * Binomial(n - k, m - j);
    }
    return (Binomial(n, m) + reach - 1) / reach;
}

WheelGoal FirstGoal(int picked) {
    const int numbers = picked >= 2 ? std::min(picked, kHighestNumber) : 10;
    const int perTicket = std::min(6, numbers);
    return {numbers, perTicket, std::min(3, perTicket), std::min(4, numbers)};
}

std::string WheelFileName(const WheelGoal& goal) {
    return "wheel-" + std::to_string(goal.numbers) + "-" + std::to_string(goal.perTicket) + "-" +
           std::to_string(goal.atLeast) + "if" + std::to_string(goal.drawn) + ".txt";
}

} // namespace quorvex
