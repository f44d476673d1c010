#pragma once
// The one form in which the report's benchmarks print a coverage table:
//   m=4 total=495 best-counts=0,0,0,306,189 guarantee=3 if 4

#include "coverage.h"

#include <cstdio>

inline void PrintReport(const quorvex::CoverageTable& table) {
    for (int m = 1; m <= table.drawn; ++m) {
        const auto& counts = table.cases[static_cast<std::size_t>(m)];
        unsigned long long total = 0;
        for (auto count : counts) {
            total += count;
        }
        std::printf("m=%d total=%llu best-counts=", m, total);
        for (std::size_t t = 0; t < counts.size(); ++t) {
            std::printf(t ? ",%llu" : "%llu", static_cast<unsigned long long>(counts[t]));
        }
        std::printf(" guarantee=%d if %d\n", table.Guarantee(m), m);
    }
}
