// Chances per draw from the coverage table and the hypergeometric share of the draw.
#include "chances.h"

#include "combinations.h"
#include "wheel_profile.h"

#include <algorithm>

namespace quorvex {

int CasesToCount(int numbers, int drawn) {
    return std::min({numbers, drawn, kMaxDrawn});
}

std::vector<Chance> ChancesPerDraw(const CoverageTable& table, int balls, int drawn,
                                   int longestLine) {
    const int n = table.numbers;
    const int counted = table.drawn; // the largest case the table counts
    std::vector<Chance> chances;
    for (int t = 1; t <= std::min(drawn, longestLine); ++t) {
        Chance chance{t, 0, Binomial(balls, drawn), true};
        for (int m = t; m <= std::min(n, drawn); ++m) {
            std::uint64_t cases = 0; // of size m, with best >= t
            if (m <= counted) {
                cases = table.AtLeast(m, t);
            } else if (t <= table.Guarantee(counted)) {
                cases = Binomial(n, m);
            } else {
                // At least the share of the largest cases counted.
                cases =
                    static_cast<std::uint64_t>(static_cast<unsigned __int128>(Binomial(n, m)) *
                                               table.AtLeast(counted, t) / Binomial(n, counted));
                chance.exact = false;
            }
            chance.draws += Binomial(balls - n, drawn - m) * cases;
        }
        chances.push_back(chance);
    }
    return chances;
}

std::vector<Chance> ChancesInGame(const CoverageTable& table, int numbers, const Game& game,
                                  int longestLine) {
    if (numbers > game.balls) {
        return {};
    }
    return ChancesPerDraw(table, game.balls, game.drawn, longestLine);
}

std::optional<std::vector<Chance>> WheelChances(const LineList& lines, int numbers,
                                                const Game& game, Progress& progress) {
    if (lines.empty() || numbers > game.balls) {
        return std::vector<Chance>{};
    }
    const auto table =
        ComputeCoverage(WheelSetsOf(lines, numbers), CasesToCount(numbers, game.drawn), progress);
    if (!table) {
        return std::nullopt;
    }
    return ChancesInGame(*table, numbers, game, ProfileWheel(lines).longestDistinct);
}

} // namespace quorvex
