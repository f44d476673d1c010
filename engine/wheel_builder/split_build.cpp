// Split constructions: which splits a lotto goal has, and their parts' wheels joined.
#include "split_build.h"

#include <numeric>

namespace quorvex::search {

namespace {

// Thresholds x_1 <= ... <= x_p, each t to m, with (x_1 - 1) + ... + (x_p - 1) < m.
void Thresholds(const WheelGoal& goal, std::vector<int>& chosen,
                std::vector<std::vector<int>>& out) {
    int spent = 0;
    for (int x : chosen) {
        spent += x - 1;
    }
    if (chosen.size() >= 2) {
        out.push_back(chosen);
    }
    if (chosen.size() == 3) {
        return;
    }
    for (int x = chosen.empty() ? goal.atLeast : chosen.back(); spent + x - 1 < goal.drawn; ++x) {
        chosen.push_back(x);
        Thresholds(goal, chosen, out);
        chosen.pop_back();
    }
}

// Part sizes for the thresholds, each part large enough for its goal.
void Sizes(const WheelGoal& goal, const std::vector<int>& thresholds, std::vector<int>& sizes,
           std::vector<Split>& out) {
    const std::size_t i = sizes.size();
    const int used = std::accumulate(sizes.begin(), sizes.end(), 0);
    const bool last = i + 1 == thresholds.size();
    for (int n = 2; n <= goal.numbers - used; ++n) {
        if (last && n != goal.numbers - used) {
            continue;
        }
        const WheelGoal part{n, goal.perTicket, goal.atLeast, thresholds[i]};
        if (GoalProblem(part)) {
            continue;
        }
        // Parts of one threshold are taken largest first, so that no split comes twice.
        if (i > 0 && thresholds[i] == thresholds[i - 1] && n > sizes.back()) {
            continue;
        }
        sizes.push_back(n);
        if (last) {
            Split split;
            for (std::size_t p = 0; p < sizes.size(); ++p) {
                split.parts.push_back({sizes[p], goal.perTicket, goal.atLeast, thresholds[p]});
            }
            out.push_back(std::move(split));
        } else {
            Sizes(goal, thresholds, sizes, out);
        }
        sizes.pop_back();
    }
}

} // namespace

std::vector<Split> SplitsFor(const WheelGoal& goal) {
    std::vector<Split> splits;
    if (goal.drawn <= goal.atLeast || goal.atLeast < 2) {
        return splits;
    }
    std::vector<int> chosen;
    std::vector<std::vector<int>> thresholds;
    Thresholds(goal, chosen, thresholds);
    for (const std::vector<int>& each : thresholds) {
        std::vector<int> sizes;
        Sizes(goal, each, sizes, splits);
    }
    return splits;
}

std::string SplitName(const Split& split) {
    std::string sizes, goals;
    for (std::size_t p = 0; p < split.parts.size(); ++p) {
        const WheelGoal& part = split.parts[p];
        const char* between = p == 0 ? "" : p + 1 == split.parts.size() ? " and " : ", ";
        sizes += (p == 0 ? "" : " + ") + std::to_string(part.numbers);
        goals += between + std::to_string(part.atLeast) + " if " + std::to_string(part.drawn);
    }
    return "split " + sizes + ": " + goals;
}

std::vector<Set> JoinParts(const Split& split, const std::vector<std::vector<Set>>& wheels) {
    std::vector<Set> joined;
    int shift = 0;
    for (std::size_t p = 0; p < split.parts.size(); ++p) {
        for (Set ticket : wheels[p]) {
            joined.push_back(ticket << shift);
        }
        shift += split.parts[p].numbers;
    }
    return joined;
}

} // namespace quorvex::search
