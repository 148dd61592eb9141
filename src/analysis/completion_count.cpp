// Counting completions by always covering the lowest free cell, so that each is met once.
#include "analysis/completion_count.h"

#include <algorithm>
#include <bit>
#include <vector>

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
  const std::optional<PlacementTable> table =
      BuildPlacementTable(game, game.field, GridExtents(game.figure), pieces);
  if (!table) {
    return std::nullopt;
  }
  for (int e = 0; e < pieces.count; ++e) {
    if (table->placements[e].empty()) {
      return 0;
    }
  }
  return Count(MakeCounter(*table), table->freeCells, (1u << pieces.count) - 1);
}

}  // namespace kelvane
