// Plain ways to check a wheel, to compare the report against. Both count
// every case of every size and print what quorvex-bench --report prints.
//
//   quorvex-reference-report WHEEL M [--by-subsets]
//
// By default each case is compared with every line, as bit masks, keeping
// the best popcount: the straightforward checker that the report's speed is
// measured against. --by-subsets uses that a case has best >= t exactly when
// one of its t-subsets lies in a line, looking the t-subsets up in a table of
// those the lines hold: exact as well, sharing no code with the report, and
// fast enough to check the report's largest tables.

#include "operations.h"
#include "report_output.h"

#include <bit>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>

using namespace quorvex;

namespace {

// Calls visit(subset) for every k-subset of `set`.
void ForEachSubset(std::uint64_t set, int k, std::uint64_t chosen,
                   const std::function<bool(std::uint64_t)>& visit, bool& stop) {
    if (k == 0) {
        stop = visit(chosen);
        return;
    }
    for (; std::popcount(set) >= k && !stop; set &= set - 1) {
        const std::uint64_t low = set & -set;
        ForEachSubset(set & ~low, k - 1, chosen | low, visit, stop);
    }
}

std::uint64_t Rank(std::uint64_t set) { // colex
    std::uint64_t rank = 0;
    for (int i = 1; set != 0; ++i, set &= set - 1) {
        rank += Binomial(std::countr_zero(set), i);
    }
    return rank;
}

// Every m-set of n numbers, in turn (Gosper's next-combination step).
template <class Visit> void ForEachCase(int n, int m, Visit visit) {
    const std::uint64_t end = std::uint64_t{1} << n;
    for (std::uint64_t set = (std::uint64_t{1} << m) - 1; set < end;) {
        visit(set);
        const std::uint64_t low = set & -set;
        const std::uint64_t ripple = set + low;
        set = ripple | (((set ^ ripple) >> 2) / low);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const int drawn = argc >= 3 ? std::atoi(argv[2]) : 0;
    const bool bySubsets = argc == 4 && std::strcmp(argv[3], "--by-subsets") == 0;
    if (drawn < 1 || drawn > kMaxDrawn || (argc == 4 && !bySubsets) || argc > 4) {
        std::fprintf(stderr, "usage: quorvex-reference-report WHEEL M [--by-subsets] (M 1-8)\n");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    if (!file || AcquireMatrix(text.str()).result != Acquisition::Valid) {
        std::fprintf(stderr, "quorvex-reference-report: %s is no wheel\n", argv[1]);
        return 1;
    }
    const int n = gMatrixNumberCount;
    if (drawn > n) {
        std::fprintf(stderr, "quorvex-reference-report: M is above the wheel's %d numbers\n", n);
        return 2;
    }
    std::vector<std::uint64_t> lines;
    int longest = 0;
    for (std::size_t l = 0; l < gMatrixLines.size(); ++l) {
        std::uint64_t set = 0;
        for (Number k : gMatrixLines.line(l)) {
            set |= std::uint64_t{1} << (k - 1);
        }
        lines.push_back(set);
        longest = std::max(longest, std::popcount(set));
    }

    const auto start = std::chrono::steady_clock::now();
    // held[t][rank]: some line holds the t-set of that rank (--by-subsets only).
    std::vector<std::vector<bool>> held(static_cast<std::size_t>(drawn) + 1);
    for (int t = 1; t <= drawn && bySubsets; ++t) {
        held[static_cast<std::size_t>(t)].resize(Binomial(n, t));
        for (std::uint64_t line : lines) {
            bool stop = false;
            ForEachSubset(
                line, t, 0,
                [&](std::uint64_t subset) {
                    held[static_cast<std::size_t>(t)][Rank(subset)] = true;
                    return false;
                },
                stop);
        }
    }
    CoverageTable table{n, drawn, {{1}}};
    for (int m = 1; m <= drawn; ++m) {
        std::vector<std::uint64_t> counts(static_cast<std::size_t>(m) + 1);
        ForEachCase(n, m, [&](std::uint64_t set) {
            int best = 0;
            if (bySubsets) {
                for (int t = std::min(m, longest); t >= 1 && best == 0; --t) {
                    bool found = false;
                    ForEachSubset(
                        set, t, 0,
                        [&](std::uint64_t subset) {
                            return found = held[static_cast<std::size_t>(t)][Rank(subset)];
                        },
                        found);
                    best = found ? t : 0;
                }
            } else {
                for (std::uint64_t line : lines) {
                    best = std::max(best, std::popcount(set & line));
                    if (best == m) {
                        break; // no line can do better
                    }
                }
            }
            ++counts[static_cast<std::size_t>(best)];
        });
        table.cases.push_back(counts);
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    PrintReport(table);
    std::fprintf(stderr, "ms: report %.1f\n", ms);
    return 0;
}
