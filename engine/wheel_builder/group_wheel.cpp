// The grouped wheel: groups of numbers, every j of them a ticket.
#include "group_wheel.h"

#include "combinations.h"

#include <algorithm>
#include <set>

namespace quorvex::search {

namespace {

std::uint64_t CeilDiv(std::uint64_t a, std::uint64_t b) {
    return (a + b - 1) / b;
}

} // namespace

GroupedWheel GroupWheel(const WheelGoal& goal) {
    // Named apart: a lambda below uses k, and structured bindings cannot be captured in C++20.
    const int n = goal.numbers, k = goal.perTicket, t = goal.atLeast, m = goal.drawn;
    int bestJ = 0, bestGroups = 0;
    std::uint64_t fewest = kLargestGroupWheel + 1;
    for (int j = 1; j <= k; ++j) {
        const int size = k / j;
        const auto groups = static_cast<int>(
            CeilDiv(static_cast<std::uint64_t>(n), static_cast<std::uint64_t>(size)));
        if (j > groups || groups > kMaxBalls) {
            continue;
        }
        const int each = m / groups, more = m % groups;
        const bool keeps = std::min(j, more) * (each + 1) + std::max(0, j - more) * each >= t;
        const std::uint64_t tickets = Binomial(groups, std::min(j, kMostDrawn));
        if (keeps && j <= kMostDrawn && tickets < fewest) {
            fewest = tickets;
            bestJ = j;
            bestGroups = groups;
        }
    }
    if (bestJ == 0) {
        return {};
    }
    const int size = k / bestJ;
    std::vector<Set> groups(static_cast<std::size_t>(bestGroups), 0);
    for (int x = 0; x < n; ++x) {
        groups[static_cast<std::size_t>(x / size)] |= Bit(x);
    }
    std::set<Set> tickets; // two unions made up alike are one ticket
    ForEachSubset(Bit(bestGroups) - 1, bestJ, [&](Set chosen) {
        Set ticket = 0;
        for (Set each = chosen; each != 0; each &= each - 1) {
            ticket |= groups[static_cast<std::size_t>(std::countr_zero(each))];
        }
        for (int x = 0; std::popcount(ticket) < k; ++x) {
            ticket |= Bit(x);
        }
        tickets.insert(ticket);
    });
    return {{tickets.begin(), tickets.end()}, size, bestJ};
}

} // namespace quorvex::search
