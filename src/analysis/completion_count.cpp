// SPDX-License-Identifier: GPL-3.0-or-later
// Counting completions and, through the completions each symmetry keeps, the distinct ones.
#include "analysis/cover_count.h"
#include "analysis/figure_analysis.h"

namespace kelvane {

std::optional<CompletionCounts> CountCompletions(const CellGrid& figure, const CellGrid& field) {
  const std::optional<CoverTable> table = BuildCoverTable(figure, field);
  if (!table) {
    return std::nullopt;
  }
  const std::vector<TableSymmetry> symmetries =
      TableSymmetries(*table, figure, PositionSymmetries(figure, field));
  CompletionCounts counts;
  counts.completions = CountCovers(*table, symmetries);
  if (counts.completions == 0) {
    return counts;
  }
  // Burnside: the classes are the average number of completions a symmetry keeps. The identity
  // (first) keeps them all.
  std::uint64_t kept = counts.completions;
  for (std::size_t i = 1; i < symmetries.size(); ++i) {
    kept += CountFixedCovers(*table, symmetries[i]);
  }
  counts.distinct = kept / symmetries.size();
  return counts;
}

std::optional<CompletionCounts> CountCompletions(const CellGrid& figure) {
  return CountCompletions(figure, CellGrid{});
}

}  // namespace kelvane
