// SPDX-License-Identifier: GPL-3.0-or-later
// Counting completions and, through the completions each symmetry keeps, the distinct ones.
#include "analysis/cover_count.h"
#include "analysis/figure_analysis.h"

namespace kelvane {

namespace {

template <typename Set>
CountOutcome CountOver(const BasicCoverTable<Set>& table, const CellGrid& figure,
                       const CellGrid& field, SearchControl& control) {
  const std::vector<BasicTableSymmetry<Set>> symmetries =
      TableSymmetries(table, figure, PositionSymmetries(figure, field));
  CompletionCounts counts;
  counts.completions = CountCovers(table, symmetries, control);
  // Burnside: the classes are the average number of completions a symmetry keeps. The identity
  // (first) keeps them all.
  std::uint64_t kept = counts.completions;
  for (std::size_t i = 1; i < symmetries.size() && counts.completions != 0; ++i) {
    kept = control.Add(kept, CountFixedCovers(table, symmetries[i], control));
  }
  counts.distinct = kept / symmetries.size();
  if (!control.Finished()) {
    return {.counts = {}, .finished = false};
  }
  return {.counts = counts, .finished = true};
}

}  // namespace

CountOutcome CountCompletions(const CellGrid& figure, const CellGrid& field,
                              const CountLimits& limits) {
  SearchControl control(limits);
  if (const auto table = BuildCoverTable<CellSet>(figure, field)) {
    return CountOver(*table, figure, field, control);
  }
  return CountOver(*BuildCoverTable<WideCellSet>(figure, field), figure, field, control);
}

std::optional<CompletionCounts> CountCompletions(const CellGrid& figure, const CellGrid& field) {
  const CountOutcome outcome = CountCompletions(figure, field, CountLimits{});
  return outcome.finished ? std::optional(outcome.counts) : std::nullopt;
}

std::optional<CompletionCounts> CountCompletions(const CellGrid& figure) {
  return CountCompletions(figure, CellGrid{});
}

}  // namespace kelvane
