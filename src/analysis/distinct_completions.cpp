// SPDX-License-Identifier: GPL-3.0-or-later
// Finding one completion of each distinct completion, the least of its class in a fixed order,
// a few at a time from any one of them on.
#include <algorithm>
#include <climits>

#include "analysis/cover_count.h"
#include "analysis/figure_analysis.h"
#include "analysis/ordered_search.h"
#include "model/game.h"

namespace kelvane {

namespace {

// True when no symmetry sends the cover onto one that comes before it, entry by entry.
bool LeastOfClass(const Cover& cover, const CoverTable& table,
                  const std::vector<TableSymmetry>& symmetries,
                  const std::vector<std::array<int, kPieceCount>>& sourceOf) {
  for (std::size_t s = 1; s < symmetries.size(); ++s) {
    for (int e = 0; e < table.entryCount; ++e) {
      const CellSet image = symmetries[s].Apply(cover[sourceOf[s][e]]);
      if (image < cover[e]) {
        return false;
      }
      if (cover[e] < image) {
        break;
      }
    }
  }
  return true;
}

Completion CompletionOf(const Cover& cover, const CoverTable& table, const CellGrid& figure,
                        const CellGrid& field) {
  Completion completion;
  for (auto& cells : completion.cells) {
    cells.fill(-1);
  }
  std::array<int, kPieceCount> filled{};
  const Extents box = GridExtents(figure);
  for (int z = 0; z < box.z; ++z) {
    for (int y = 0; y < box.y; ++y) {
      for (int x = 0; x < box.x; ++x) {
        const int index = CellGrid::Index(x, y, z);
        const int k = field.cells[index] - PieceCellValue(0);
        if (k >= 0 && k < kPieceCount && filled[k] < 4) {
          completion.cells[k][filled[k]++] = static_cast<std::int16_t>(index);
        }
      }
    }
  }
  for (int e = 0; e < table.entryCount; ++e) {
    const int k = table.piece[e];
    ForEachCell(cover[e], [&](int cell) {
      completion.cells[k][filled[k]++] = static_cast<std::int16_t>(table.gridIndex[cell]);
    });
  }
  return completion;
}

// The table's placements in the order of the walk: ascending by CellSet, or descending.
PlacementTable WalkOrder(const CoverTable& table, bool backward) {
  PlacementTable walk;
  static_cast<FreeCells&>(walk) = table;
  walk.pieces.count = table.entryCount;
  for (int e = 0; e < table.entryCount; ++e) {
    walk.pieces.index[e] = table.piece[e];
    walk.cubes[e] = table.cubes[e];
    std::vector<CellSet>& placements = walk.placements[e] = table.placements[e];
    std::sort(placements.begin(), placements.end(),
              [backward](const CellSet& a, const CellSet& b) { return backward ? b < a : a < b; });
  }
  return walk;
}

// The placement indices in `walk` of the pieces `completion` lays on free cells; nothing when it
// is no completion of this position.
std::optional<std::array<int, kPieceCount>> WalkIndices(const Completion& completion,
                                                        const PlacementTable& walk) {
  std::array<int, kPieceCount> index{};
  for (int e = 0; e < walk.pieces.count; ++e) {
    CellSet cells;
    for (const std::int16_t grid : completion.cells[walk.pieces.index[e]]) {
      const int* cell = std::find(walk.gridIndex.begin(), walk.gridIndex.begin() + walk.cellCount,
                                  static_cast<int>(grid));
      if (grid >= 0 && cell != walk.gridIndex.begin() + walk.cellCount) {
        cells |= CellSet::Single(static_cast<int>(cell - walk.gridIndex.begin()));
      }
    }
    const std::vector<CellSet>& placements = walk.placements[e];
    const auto found = std::ranges::find(placements, cells);
    if (found == placements.end()) {
      return std::nullopt;
    }
    index[e] = static_cast<int>(found - placements.begin());
  }
  return index;
}

}  // namespace

std::optional<CompletionRun> FindDistinctCompletions(const CellGrid& figure, const CellGrid& field,
                                                     const std::optional<Completion>& after,
                                                     int count, bool backward,
                                                     const std::atomic<bool>* stop) {
  const std::optional<CoverTable> table = BuildCoverTable<CellSet>(figure, field);
  if (!table) {
    return std::nullopt;
  }
  const std::vector<TableSymmetry> symmetries =
      TableSymmetries(*table, figure, PositionSymmetries(figure, field));
  std::vector<std::array<int, kPieceCount>> sourceOf(symmetries.size());
  for (std::size_t s = 0; s < symmetries.size(); ++s) {
    for (int e = 0; e < table->entryCount; ++e) {
      sourceOf[s][symmetries[s].entry[e]] = e;
    }
  }
  const PlacementTable walk = WalkOrder(*table, backward);
  std::optional<std::array<int, kPieceCount>> from;
  if (after) {
    from = WalkIndices(*after, walk);
    if (!from) {
      return CompletionRun{.completions = {}, .reachedEnd = true};
    }
  }
  CompletionRun run;
  const bool more = VisitCompletionsInOrder(
      walk, from,
      [&](const std::array<int, kPieceCount>& index) {
        if (from && index == *from) {
          return false;  // strictly after it
        }
        Cover cover{};
        for (int e = 0; e < walk.pieces.count; ++e) {
          cover[e] = walk.placements[e][index[e]];
        }
        if (LeastOfClass(cover, *table, symmetries, sourceOf)) {
          run.completions.push_back(CompletionOf(cover, *table, figure, field));
        }
        return static_cast<int>(run.completions.size()) >= count;
      },
      stop);
  if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
    return std::nullopt;
  }
  run.reachedEnd = !more;
  return run;
}

std::optional<std::vector<Completion>> DistinctCompletions(const Game& game) {
  std::optional<CompletionRun> run =
      FindDistinctCompletions(game.figure, game.field, std::nullopt, INT_MAX, false, nullptr);
  return run ? std::optional(std::move(run->completions)) : std::nullopt;
}

void LayCompletion(const Completion& completion, CellGrid& grid) {
  for (int k = 0; k < kPieceCount; ++k) {
    for (std::int16_t index : completion.cells[k]) {
      if (index >= 0) {
        grid.cells[index] = PieceCellValue(k);
      }
    }
  }
}

}  // namespace kelvane
