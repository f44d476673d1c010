// Any small wheel: the coverage table and the holes against brute force.
//
// Input: N (2..12), M, then the hole query m and t, then lines of a
// byte-count and that many numbers.

#include "coverage.h"
#include "fuzz_check.h"

#include <bit>
#include <cstdint>
#include <vector>

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    const int n = data[0] % 11 + 2;
    const int drawn = data[1] % std::min(n, kMaxDrawn) + 1;
    const int m = data[2] % drawn + 1;
    const int t = data[3] % (m + 1);
    LineList lines;
    for (std::size_t at = 4; at < size;) {
        const std::size_t length = data[at++] % 10 + 1;
        for (std::size_t i = 0; i < length && at < size; ++i) {
            lines.push(static_cast<Number>(data[at++] % n + 1));
        }
        lines.endLine();
    }
    // Bit k - 1 stands for number k; best(S) is the most of S one line holds.
    std::vector<std::uint32_t> sets;
    for (std::size_t l = 0; l < lines.size(); ++l) {
        std::uint32_t set = 0;
        for (Number k : lines.line(l)) {
            set |= 1u << (k - 1);
        }
        sets.push_back(set);
    }
    const auto best = [&sets](std::uint32_t draw) {
        int most = 0;
        for (std::uint32_t set : sets) {
            most = std::max(most, std::popcount(set & draw));
        }
        return most;
    };

    Progress progress;
    const WheelSets wheel = WheelSetsOf(lines, n);
    const auto table = ComputeCoverage(wheel, drawn, progress);
    Check(table.has_value(), "a table");
    std::vector<std::vector<std::uint64_t>> cases(static_cast<std::size_t>(drawn) + 1);
    for (int size_ = 1; size_ <= drawn; ++size_) {
        cases[static_cast<std::size_t>(size_)].assign(static_cast<std::size_t>(size_) + 1, 0);
    }
    for (std::uint32_t draw = 1; draw < (1u << n); ++draw) {
        const int k = std::popcount(draw);
        if (k <= drawn) {
            ++cases[static_cast<std::size_t>(k)][static_cast<std::size_t>(best(draw))];
        }
    }
    for (int k = 1; k <= drawn; ++k) {
        Check(table->cases[static_cast<std::size_t>(k)] == cases[static_cast<std::size_t>(k)],
              "the coverage table");
    }

    // Holes come in ascending order of their numbers: draws as sorted lists, compared as words.
    std::vector<std::vector<int>> holes;
    std::uint64_t count = 0;
    std::vector<int> draw;
    const auto visit = [&](auto&& self, int from) -> void {
        if (static_cast<int>(draw.size()) == m) {
            std::uint32_t set = 0;
            for (int k : draw) {
                set |= 1u << (k - 1);
            }
            if (best(set) < t) {
                ++count;
                if (holes.size() < 5) {
                    holes.push_back(draw);
                }
            }
            return;
        }
        for (int k = from; k <= n; ++k) {
            draw.push_back(k);
            self(self, k + 1);
            draw.pop_back();
        }
    };
    visit(visit, 1);
    const auto found = FindHoles(wheel, m, t, 5, progress);
    Check(found.has_value() && found->count == count, "how many holes");
    Check(found->first == holes, "the first holes");
    return 0;
}
