// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping and looking up the puzzles' bests.
#include "model/puzzle_bests.h"

#include <algorithm>

#include "model/solved_puzzles.h"

namespace kelvane {

void KeepBest(PuzzleBests& bests, const std::string& figureKey, PuzzleBest win) {
  const auto [entry, added] = bests.byFigure.try_emplace(figureKey, win);
  if (!added) {
    entry->second.ms = std::min(entry->second.ms, win.ms);
    entry->second.moves = std::min(entry->second.moves, win.moves);
  }
}

std::optional<PuzzleBest> BestOf(const PuzzleBests& bests, const CellGrid& figure) {
  const auto found = bests.byFigure.find(FigureKey(figure));
  if (found == bests.byFigure.end()) {
    return std::nullopt;
  }
  return found->second;
}

}  // namespace kelvane
