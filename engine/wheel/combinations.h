#pragma once
// Binomial coefficients and the colex rank of a set, for the wheel report.
//
// The k-sets of 0..n-1 in colex order (compared by their largest element
// first) have the ranks 0..C(n,k)-1, and the rank of {a1 < ... < ak} is
// C(a1,1) + C(a2,2) + ... + C(ak,k). The ranks do not depend on n, so the
// k-sets whose largest element is c fill the block from C(c,k) to C(c+1,k).

#include <array>
#include <cstdint>
#include <vector>

namespace quorvex {

// The largest case the coverage table counts: cases of more numbers are told
// from it only as a bound.
constexpr int kMaxDrawn = 8;
// The most balls a game has, and the most it draws; C(90, 20) still fits 64 bits.
constexpr int kMaxBalls = 90;
constexpr int kMostDrawn = 20;

namespace detail {
constexpr auto kBinomials = [] {
    std::array<std::array<std::uint64_t, kMostDrawn + 1>, kMaxBalls + 1> c{};
    for (int n = 0; n <= kMaxBalls; ++n) {
        c[n][0] = 1;
        for (int k = 1; k <= kMostDrawn && n > 0; ++k) {
            c[n][k] = c[n - 1][k - 1] + c[n - 1][k];
        }
    }
    return c;
}();
} // namespace detail

// C(n, k) for 0 <= n <= 90 and 0 <= k <= 20.
constexpr std::uint64_t Binomial(int n, int k) {
    return detail::kBinomials[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
}

// The k-set of 0..n-1 with colex rank `rank`, elements ascending.
inline std::vector<int> UnrankColex(std::uint64_t rank, int k, int n) {
    std::vector<int> set(static_cast<std::size_t>(k));
    int a = n - 1;
    for (int i = k; i >= 1; --i) {
        while (Binomial(a, i) > rank) { // stops at a = i - 1 at the latest: C(i-1, i) = 0
            --a;
        }
        set[static_cast<std::size_t>(i - 1)] = a;
        rank -= Binomial(a, i);
        --a;
    }
    return set;
}

} // namespace quorvex
