// SPDX-License-Identifier: GPL-3.0-or-later
// "Can it still be done?" after every move: a search that stops at the first completion.
#include "analysis/cover_count.h"
#include "analysis/figure_analysis.h"
#include "model/game.h"

namespace kelvane {

std::optional<bool> CanStillComplete(const Game& game, const CountLimits& limits) {
  SearchControl control(limits);
  const auto table = BuildCoverTable<CellSet>(game.figure, game.field);
  const bool any = table
                       ? AnyCover(*table, control)
                       : AnyCover(*BuildCoverTable<WideCellSet>(game.figure, game.field), control);
  return control.Finished() ? std::optional(any) : std::nullopt;
}

}  // namespace kelvane
