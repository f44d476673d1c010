#include "chances.h"

#include "combinations.h"

#include <algorithm>

namespace quorvex {

std::vector<Chance> ChancesPerDraw(const CoverageTable& table, int balls, int longestLine) {
    const int n = table.numbers;
    const int drawn = table.drawn;
    std::vector<Chance> chances;
    for (int t = 1; t <= std::min(drawn, longestLine); ++t) {
        Chance chance{t, 0, Binomial(balls, drawn)};
        for (int m = t; m <= drawn; ++m) {
            chance.draws += Binomial(balls - n, drawn - m) * table.AtLeast(m, t);
        }
        chances.push_back(chance);
    }
    return chances;
}

} // namespace quorvex
