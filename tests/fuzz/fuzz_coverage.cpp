// Any small wheel: the coverage table, the holes (in the wheel's numbers and
// in picked ones) and the chances per draw in a small game, against brute force.
//
// Input: N (2..12), M, then the hole query m and t, then lines of a
// byte-count and that many numbers.

#include "brute_force.h"
#include "chances.h"
#include "coverage.h"
#include "fuzz_check.h"
#include "ticket.h"
#include "wheel_profile.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <random>

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    const int n = data[0] % 11 + 2;
    const int drawn = data[1] % std::min(n, kMaxDrawn) + 1;
    const int m = data[2] % drawn + 1;
    const int t = data[3] % (m + 1);
    brute::Rows rows;
    for (std::size_t at = 4; at < size;) {
        rows.emplace_back();
        const std::size_t length = data[at++] % 10 + 1;
        for (std::size_t i = 0; i < length && at < size; ++i) {
            rows.back().push_back(data[at++] % n + 1);
        }
    }
    const LineList lines = LinesOf(rows);
    Progress progress;
    const WheelSets wheel = WheelSetsOf(lines, n);
    const auto table = ComputeCoverage(wheel, drawn, progress);
    Check(table.has_value(), "a table");
    for (int k = 0; k <= drawn; ++k) { // from the one empty draw
        std::vector<std::uint64_t> cases(static_cast<std::size_t>(k) + 1, 0);
        for (const auto& draw : brute::Cases(n, k)) {
            ++cases[static_cast<std::size_t>(brute::Best(rows, brute::SetOf(draw)))];
        }
        Check(table->cases[static_cast<std::size_t>(k)] == cases, "the coverage table");
    }
    // Holes come in ascending order, as Cases lists the draws; in picked numbers,
    // in their own order.
    std::vector<Number> picks(49);
    std::iota(picks.begin(), picks.end(), Number{1});
    std::shuffle(picks.begin(), picks.end(), std::mt19937(size));
    picks.resize(static_cast<std::size_t>(n));
    brute::Rows holes, picked;
    std::uint64_t count = 0;
    for (auto draw : brute::Cases(n, m)) {
        if (brute::Best(rows, brute::SetOf(draw)) >= t) {
            continue;
        }
        if (count++ < 5) {
            holes.push_back(draw);
        }
        for (int& k : draw) {
            k = picks[static_cast<std::size_t>(k - 1)];
        }
        std::sort(draw.begin(), draw.end());
        picked.push_back(draw);
    }
    const auto found = FindHoles(wheel, m, t, 5, progress);
    Check(found.has_value() && found->count == count, "how many holes");
    Check(found->first == holes, "the first holes");
    std::sort(picked.begin(), picked.end());
    picked.resize(std::min<std::size_t>(picked.size(), 5));
    Check(FindHoles(WheelSetsOf(lines, n, picks), m, t, 5, progress)->first == picked,
          "holes in picked numbers");

    // Chances: every draw of a small game, the player's numbers being 1..N; the
    // game may draw more than the wheel has numbers, and more than 8.
    const int balls = n + data[1] % 4;
    const int game = data[2] % balls + 1;
    const auto counted = ComputeCoverage(wheel, CasesToCount(n, game), progress);
    const int longest = ProfileWheel(lines).longestDistinct;
    std::vector<std::uint64_t> atLeast(static_cast<std::size_t>(game) + 2, 0);
    const brute::Rows draws = brute::Cases(balls, game);
    for (const auto& draw : draws) {
        for (int best = brute::Best(rows, brute::SetOf(draw)); best >= 0; --best) {
            ++atLeast[static_cast<std::size_t>(best)];
        }
    }
    const auto chances = ChancesPerDraw(*counted, balls, game, longest);
    Check(chances.size() == static_cast<std::size_t>(std::min(game, longest)), "chances");
    for (const Chance& chance : chances) {
        const std::uint64_t truth = atLeast[static_cast<std::size_t>(chance.atLeast)];
        Check(chance.allDraws == draws.size() &&
                  (chance.exact ? chance.draws == truth : chance.draws <= truth),
              "a chance");
    }
    return 0;
}
