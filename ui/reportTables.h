#pragma once
// The report's two tables, filled from the engine's figures and as tall as
// their rows: the coverage table (shaded by share, the guaranteed cell bold
// and marked, never narrower than its widest cell) and the chances per draw.

#include "chances.h"
#include "coverage.h"

#include <QString>
#include <QTableWidget>

#include <array>
#include <cstdint>
#include <vector>

namespace quorvex::ui {

QTableWidget* ReportTable(const char* name, const char* accessibleName);
// No table (nothing counted yet) leaves it empty.
void ShowCoverageTable(QTableWidget* table, const CoverageTable* coverage, bool exactCounts);
void ShowChancesTable(QTableWidget* table, const std::vector<Chance>& chances);
// Two wheels' chances side by side: "1 or more", then each wheel's chance (a
// lower bound marked ≥), a wheel with fewer rows leaving its cells blank.
void ShowChancesSideBySide(QTableWidget* table, const std::array<std::vector<Chance>, 2>& chances);
void FitTable(QTableWidget* table);

// A share as a percentage, never rounded to 0% or 100% unless it is exactly that.
QString Percent(std::uint64_t part, std::uint64_t whole, int decimals);
// A count with the locale's grouping: 3,718.
QString Count(std::uint64_t n);
// "One draw in" so many, for a chance above 0.
QString OneDrawIn(double probability);

} // namespace quorvex::ui
