// Counting completions by always covering the lowest free cell, so that each is met once.
#include "analysis/completion_count.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "analysis/figure_symmetry.h"
#include "analysis/placements.h"
#include "model/game.h"

namespace kelvane {

namespace {

struct Counter {
  // The placements of entry e whose lowest cell is c lie in byLowest[begin[e][c] … begin[e][c+1]).
  std::vector<CellSet> byLowest;
  std::array<std::array<int, kCellSetCapacity + 1>, kPieceCount> begin{};
  // Cubes that a set of entries (one bit each) needs at least.
  std::array<int, 1 << kPieceCount> cubesOf{};
};

Counter MakeCounter(const PlacementTable& table) {
  Counter counter;
  for (int e = 0; e < table.pieces.count; ++e) {
    std::array<int, kCellSetCapacity + 1>& begin = counter.begin[e];
    begin.fill(0);
    for (const CellSet& placement : table.placements[e]) {
      ++begin[placement.Lowest() + 1];
    }
    begin[0] = static_cast<int>(counter.byLowest.size());
    for (int cell = 0; cell < kCellSetCapacity; ++cell) {
      begin[cell + 1] += begin[cell];
    }
    counter.byLowest.resize(begin[kCellSetCapacity]);
    std::array<int, kCellSetCapacity> next;
    std::copy(begin.begin(), begin.end() - 1, next.begin());
    for (const CellSet& placement : table.placements[e]) {
      counter.byLowest[next[placement.Lowest()]++] = placement;
    }
  }
  for (unsigned entries = 1; entries < counter.cubesOf.size(); ++entries) {
    const int e = std::countr_zero(entries);
    counter.cubesOf[entries] = counter.cubesOf[entries & (entries - 1)] + table.cubes[e];
  }
  return counter;
}

// The lowest free cell is either covered by a placement whose lowest cell it is, or, while more
// cells are free than the pieces need, left empty.
std::uint64_t Count(const Counter& counter, const CellSet& free, unsigned entries) {
  if (entries == 0) {
    return 1;
  }
  const int need = counter.cubesOf[entries];
  const int have = free.Count();
  if (have < need) {
    return 0;
  }
  const int cell = free.Lowest();
  std::uint64_t total = 0;
  for (unsigned rest = entries; rest != 0; rest &= rest - 1) {
    const int e = std::countr_zero(rest);
    for (int i = counter.begin[e][cell]; i < counter.begin[e][cell + 1]; ++i) {
      const CellSet& placement = counter.byLowest[i];
      if (placement.Within(free)) {
        total += Count(counter, free.Without(placement), entries & ~(1u << e));
      }
    }
  }
  if (have > need) {
    total += Count(counter, free.Without(CellSet::Single(cell)), entries);
  }
  return total;
}

}  // namespace

std::optional<std::uint64_t> CountCompletions(const Game& game) {
  const PieceList pieces = PiecesToLay(game, 0);
  const Extents box = GridExtents(game.figure);
  const std::optional<PlacementTable> table = BuildPlacementTable(game, game.field, box, pieces);
  if (!table) {
    return std::nullopt;
  }
  if (pieces.count == 0) {
    return 1;
  }
  for (int e = 0; e < pieces.count; ++e) {
    if (table->placements[e].empty()) {
      return 0;
    }
  }
  // Every completion lays the piece with the most placements somewhere. Placements that a
  // symmetry of the position maps onto each other have equally many completions, so each class
  // is counted once and weighed by its size.
  const Counter counter = MakeCounter(*table);
  const std::vector<CellTurn> turns = PlacementSymmetries(*table, box);
  const int first = static_cast<int>(
      std::ranges::max_element(table->placements, {}, &std::vector<CellSet>::size) -
      table->placements.begin());
  const std::vector<CellSet>& placements = table->placements[first];
  const unsigned others = ((1u << pieces.count) - 1) & ~(1u << first);
  std::vector<bool> counted(placements.size());
  std::uint64_t total = 0;
  for (std::size_t i = 0; i < placements.size(); ++i) {
    if (counted[i]) {
      continue;
    }
    std::uint64_t classSize = 0;
    for (const CellTurn& turn : turns) {
      const CellSet image = turn.Apply(placements[i]);
      const auto at = std::ranges::find(placements, image);
      if (!counted[at - placements.begin()]) {
        counted[at - placements.begin()] = true;
        ++classSize;
      }
    }
    total += classSize * Count(counter, table->freeCells.Without(placements[i]), others);
  }
  return total;
}

}  // namespace kelvane
