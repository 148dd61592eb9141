// SPDX-License-Identifier: GPL-3.0-or-later
// Each puzzle's best time and fewest moves, keyed by the figure as the solved record is.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "model/cell_grid.h"

namespace kelvane {

struct PuzzleBest {
  std::int64_t ms = 0;
  int moves = 0;
  friend bool operator==(const PuzzleBest&, const PuzzleBest&) = default;
};

// Owned by the Game outside its fixed-size part; a best only ever gets better.
struct PuzzleBests {
  std::map<std::string, PuzzleBest> byFigure;
};

// Takes in a win: the time and the moves are each kept when they beat what was there.
void KeepBest(PuzzleBests& bests, const std::string& figureKey, PuzzleBest win);

std::optional<PuzzleBest> BestOf(const PuzzleBests& bests, const CellGrid& figure);

}  // namespace kelvane
