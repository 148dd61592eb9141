// SPDX-License-Identifier: GPL-3.0-or-later
// "Can it still be done?" after every move: a search that stops at the first completion.
#include "analysis/cover_count.h"
#include "analysis/figure_analysis.h"
#include "model/game.h"

namespace kelvane {

std::optional<bool> CanStillComplete(const Game& game) {
  const std::optional<CoverTable> table = BuildCoverTable(game.figure, game.field);
  if (!table) {
    return std::nullopt;
  }
  return AnyCover(*table);
}

}  // namespace kelvane
