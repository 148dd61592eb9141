// SPDX-License-Identifier: GPL-3.0-or-later
// Listing one completion of each distinct completion: the least of its class in a fixed order.
#include <algorithm>

#include "analysis/cover_count.h"
#include "analysis/figure_analysis.h"
#include "model/game.h"

namespace kelvane {

namespace {

bool CoverBefore(const Cover& a, const Cover& b, int entryCount) {
  return std::lexicographical_compare(a.begin(), a.begin() + entryCount, b.begin(),
                                      b.begin() + entryCount);
}

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

Completion CompletionOf(const Cover& cover, const CoverTable& table, const Game& game) {
  Completion completion;
  for (auto& cells : completion.cells) {
    cells.fill(-1);
  }
  std::array<int, kPieceCount> filled{};
  const Extents box = GridExtents(game.figure);
  for (int z = 0; z < box.z; ++z) {
    for (int y = 0; y < box.y; ++y) {
      for (int x = 0; x < box.x; ++x) {
        const int index = CellGrid::Index(x, y, z);
        const int k = game.field.cells[index] - PieceCellValue(0);
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

}  // namespace

std::optional<std::vector<Completion>> DistinctCompletions(const Game& game) {
  const std::optional<CoverTable> table = BuildCoverTable<CellSet>(game.figure, game.field);
  if (!table) {
    return std::nullopt;
  }
  const std::vector<TableSymmetry> symmetries =
      TableSymmetries(*table, game.figure, PositionSymmetries(game.figure, game.field));
  std::vector<std::array<int, kPieceCount>> sourceOf(symmetries.size());
  for (std::size_t s = 0; s < symmetries.size(); ++s) {
    for (int e = 0; e < table->entryCount; ++e) {
      sourceOf[s][symmetries[s].entry[e]] = e;
    }
  }
  std::vector<Cover> least;
  ForEachCover(*table, [&](const Cover& cover) {
    if (LeastOfClass(cover, *table, symmetries, sourceOf)) {
      least.push_back(cover);
    }
  });
  std::ranges::sort(
      least, [&](const Cover& a, const Cover& b) { return CoverBefore(a, b, table->entryCount); });
  std::vector<Completion> completions;
  completions.reserve(least.size());
  for (const Cover& cover : least) {
    completions.push_back(CompletionOf(cover, *table, game));
  }
  return completions;
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
