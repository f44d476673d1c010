// What a wheel guarantees: the coverage table counted level by level, and the holes listed.
#include "coverage.h"

#include "combinations.h"

#include <algorithm>
#include <array>
#include <bit>

namespace quorvex {

namespace {

// Inside the sweep, number k of N is the index N - k: ascending numbers are
// descending colex order, so holes listed from the last rank down come out in
// ascending order of their numbers.
std::uint64_t Bit(int number, int numbers) {
    return std::uint64_t{1} << (numbers - number);
}

// out[S] = max over x in S of h[S - x], for every (k+1)-set S of 0..n-1, where
// h holds a value for every k-set. The (k+1)-sets whose largest element is c
// are {c} + T for the k-sets T below c; h[T] is one of their values and the
// others are a block of h one level down (the k-sets {c} + (T - x)).
void MaxOverSubsets(const std::uint8_t* h, int k, int n, std::uint8_t* out) {
    if (k == 0) {
        std::fill_n(out, n, h[0]);
        return;
    }
    if (k == 1) { // {a < b} has the rank C(b, 2) + a
        for (int b = 1; b < n; ++b) {
            std::uint8_t* pairs = out + Binomial(b, 2);
            for (int a = 0; a < b; ++a) {
                pairs[a] = std::max(h[a], h[b]);
            }
        }
        return;
    }
    for (int c = k; c < n; ++c) {
        std::uint8_t* block = out + Binomial(c, k + 1);
        MaxOverSubsets(h + Binomial(c, k), k - 1, c, block);
        const std::uint64_t size = Binomial(c, k);
        for (std::uint64_t r = 0; r < size; ++r) {
            block[r] = std::max(block[r], h[r]);
        }
    }
}

// Calls visit(rank) for the colex rank of every k-subset of `set`.
template <class Visit>
void ForEachSubsetRank(std::uint64_t set, int k, std::uint64_t rank, Visit& visit) {
    if (k == 0) {
        visit(rank);
        return;
    }
    while (std::popcount(set) >= k) { // the largest element, then k - 1 below it
        const int top = 63 - std::countl_zero(set);
        set &= ~(std::uint64_t{1} << top);
        ForEachSubsetRank(set, k - 1, rank + Binomial(top, k), visit);
    }
}

// Goes through the levels 1..top and hands every block of cases (those of
// one size sharing their largest index c) to onBlock(m, c, best values).
// The top level's blocks come in descending order of c when asked.
template <class OnBlock>
bool Sweep(const WheelSets& wheel, int top, bool topDescending, Progress& progress,
           OnBlock onBlock) {
    const int n = wheel.numbers;
    std::uint64_t work = 0;
    for (int m = 1; m <= top; ++m) {
        work += Binomial(n, m) * static_cast<std::uint64_t>(m);
    }
    progress.Start(work);

    std::vector<std::uint8_t> below{0}; // level 0: the empty case, best 0
    for (int m = 1; m <= top; ++m) {
        const bool last = m == top;
        // Lower levels are kept whole for the next one; the top level needs one block at a time.
        std::vector<std::uint8_t> level(last ? Binomial(n - 1, m - 1) : Binomial(n, m));
        for (int step = 0; step <= n - m; ++step) {
            if (progress.Cancelled()) {
                return false;
            }
            const int c = last && topDescending ? n - 1 - step : m - 1 + step;
            const std::uint64_t size = Binomial(c, m - 1);
            std::uint8_t* block = level.data() + (last ? 0 : Binomial(c, m));
            if (m == 1) {
                block[0] = below[0];
            } else {
                MaxOverSubsets(below.data() + Binomial(c, m - 1), m - 2, c, block);
                for (std::uint64_t r = 0; r < size; ++r) {
                    block[r] = std::max(block[r], below[r]);
                }
            }
            auto inLine = [block, m](std::uint64_t rank) {
                block[rank] = static_cast<std::uint8_t>(m);
            };
            const std::uint64_t bitC = std::uint64_t{1} << c;
            for (std::uint64_t line : wheel.lines) {
                if (line & bitC) { // its (m-1)-sets below c, with c, lie in the line
                    ForEachSubsetRank(line & (bitC - 1), m - 1, 0, inLine);
                }
            }
            onBlock(m, c, std::span<const std::uint8_t>(block, size));
            progress.Advance(size * static_cast<std::uint64_t>(m));
        }
        below = std::move(level);
    }
    return true;
}

} // namespace

WheelSets WheelSetsOf(const LineList& lines, int numbers, std::span<const Number> picks) {
    WheelSets wheel{numbers, {}, {}};
    // Number k is counted as its place among the names, so holes follow their order.
    std::vector<int> place(static_cast<std::size_t>(numbers) + 1);
    for (int k = 1; k <= numbers; ++k) {
        place[static_cast<std::size_t>(k)] = k;
    }
    if (!picks.empty()) {
        wheel.names.assign(picks.begin(), picks.end());
        std::sort(wheel.names.begin(), wheel.names.end());
        for (int k = 1; k <= numbers; ++k) {
            const auto name = std::lower_bound(wheel.names.begin(), wheel.names.end(),
                                               picks[static_cast<std::size_t>(k - 1)]);
            place[static_cast<std::size_t>(k)] = static_cast<int>(name - wheel.names.begin()) + 1;
        }
    } else {
        wheel.names.assign(place.begin() + 1, place.end());
    }
    wheel.lines.reserve(lines.size());
    for (std::size_t l = 0; l < lines.size(); ++l) {
        std::uint64_t set = 0;
        for (Number k : lines.line(l)) {
            set |= Bit(place[k], numbers);
        }
        wheel.lines.push_back(set);
    }
    std::sort(wheel.lines.begin(), wheel.lines.end());
    wheel.lines.erase(std::unique(wheel.lines.begin(), wheel.lines.end()), wheel.lines.end());
    return wheel;
}

int CoverageTable::Guarantee(int m) const {
    const auto& row = cases[static_cast<std::size_t>(m)];
    return static_cast<int>(std::find_if(row.begin(), row.end(), [](auto n) { return n > 0; }) -
                            row.begin());
}

std::uint64_t CoverageTable::AtLeast(int m, int t) const {
    const auto& row = cases[static_cast<std::size_t>(m)];
    std::uint64_t sum = 0;
    for (std::size_t i = static_cast<std::size_t>(t); i < row.size(); ++i) {
        sum += row[i];
    }
    return sum;
}

std::optional<CoverageTable> ComputeCoverage(const WheelSets& wheel, int drawn,
                                             Progress& progress) {
    CoverageTable table{wheel.numbers, drawn, {}};
    table.cases.resize(static_cast<std::size_t>(drawn) + 1);
    table.cases[0] = {1};
    for (int m = 1; m <= drawn; ++m) {
        table.cases[static_cast<std::size_t>(m)].assign(static_cast<std::size_t>(m) + 1, 0);
    }
    const bool done = Sweep(
        wheel, drawn, false, progress, [&table](int m, int, std::span<const std::uint8_t> block) {
            // Four counters a value keep the loop free of store stalls.
            std::array<std::array<std::uint64_t, 256>, 4> counts{};
            std::size_t r = 0;
            for (; r + 4 <= block.size(); r += 4) {
                ++counts[0][block[r]];
                ++counts[1][block[r + 1]];
                ++counts[2][block[r + 2]];
                ++counts[3][block[r + 3]];
            }
            for (; r < block.size(); ++r) {
                ++counts[0][block[r]];
            }
            auto& row = table.cases[static_cast<std::size_t>(m)];
            for (std::size_t t = 0; t < row.size(); ++t) {
                row[t] += counts[0][t] + counts[1][t] + counts[2][t] + counts[3][t];
            }
        });
    if (!done) {
        return std::nullopt;
    }
    return table;
}

std::optional<Holes> FindHoles(const WheelSets& wheel, int m, int t, std::size_t limit,
                               Progress& progress) {
    Holes holes;
    const int n = wheel.numbers;
    const bool done =
        Sweep(wheel, m, true, progress, [&](int level, int c, std::span<const std::uint8_t> block) {
            if (level != m) {
                return;
            }
            for (std::size_t r = block.size(); r-- > 0;) {
                if (block[r] >= t) {
                    continue;
                }
                ++holes.count;
                if (holes.first.size() < limit) {
                    auto name = [&](int index) {
                        return wheel.names[static_cast<std::size_t>(n - index - 1)];
                    };
                    std::vector<int> hole{name(c)};
                    const std::vector<int> rest = UnrankColex(r, m - 1, c);
                    for (auto it = rest.rbegin(); it != rest.rend(); ++it) {
                        hole.push_back(name(*it));
                    }
                    holes.first.push_back(std::move(hole));
                }
            }
        });
    if (!done) {
        return std::nullopt;
    }
    return holes;
}

} // namespace quorvex
