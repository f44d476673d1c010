// Pearson's chi-square test of how often each ball was drawn, with its tail probability.
#include "fairness.h"

#include <cmath>
#include <cstdio>

namespace quorvex {

namespace {

// Below this the deviation is called unlikely for a fair draw.
constexpr double kUnlikely = 0.01;
// Smaller chances come out of the tail as rounding, or as 0.
constexpr double kSmallestSaid = 1e-300;

// The regularized upper incomplete gamma function Q(a, x): by its series when
// x < a + 1, else by its continued fraction (evaluated by the modified Lentz
// method), both as in any text on special functions.
double UpperGamma(double a, double x) {
    if (x <= 0) {
        return 1;
    }
    const double front = std::exp(-x + a * std::log(x) - std::lgamma(a));
    if (x < a + 1) {
        double term = 1 / a, sum = term;
        for (int n = 1; n < 1000 && std::fabs(term) > std::fabs(sum) * 1e-15; ++n) {
            term *= x / (a + n);
            sum += term;
        }
        return 1 - sum * front;
    }
    constexpr double kTiny = 1e-300;
    double b = x + 1 - a, c = 1 / kTiny, d = 1 / b, h = d;
    for (int n = 1; n < 1000; ++n) {
        const double an = -n * (n - a);
        b += 2;
        d = an * d + b;
        d = std::fabs(d) < kTiny ? kTiny : d;
        c = b + an / c;
        c = std::fabs(c) < kTiny ? kTiny : c;
        d = 1 / d;
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1) < 1e-15) {
            break;
        }
    }
    return front * h;
}

} // namespace

double ChiSquareTail(double x, int degrees) {
    return UpperGamma(degrees / 2.0, x / 2);
}

Fairness TestFairness(const std::vector<std::uint64_t>& timesDrawn, std::uint64_t draws,
                      int drawn) {
    Fairness fairness;
    const int balls = static_cast<int>(timesDrawn.size()) - 1;
    if (draws == 0 || balls < 2) {
        return fairness;
    }
    const double expected = static_cast<double>(draws) * drawn / balls;
    for (int n = 1; n <= balls; ++n) {
        const double off = static_cast<double>(timesDrawn[static_cast<std::size_t>(n)]) - expected;
        fairness.chiSquare += off * off / expected;
    }
    fairness.degrees = balls - 1;
    fairness.p = ChiSquareTail(fairness.chiSquare, fairness.degrees);
    return fairness;
}

std::string FairnessSentence(const Fairness& fairness) {
    char p[32];
    std::snprintf(p, sizeof p, fairness.p >= 0.01 ? "%.2f" : "%.2g", fairness.p);
    if (fairness.p < kSmallestSaid) {
        std::snprintf(p, sizeof p, "< %.0e", kSmallestSaid); // beyond what a double tells apart
    }
    return std::string(fairness.p >= kUnlikely ? "consistent with a fair draw"
                                               : "unlikely under a fair draw") +
           ": p " + (p[0] == '<' ? "" : "= ") + p;
}

} // namespace quorvex
