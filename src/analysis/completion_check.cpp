// SPDX-License-Identifier: GPL-3.0-or-later
// "Can it still be done?" after every move: a search that stops at the first completion.
#include "analysis/cover_count.h"
#include "analysis/figure_analysis.h"
#include "model/game.h"

namespace kelvane {

std::optional<bool> CanStillComplete(const CellGrid& figure, const CellGrid& field,
                                     const CountLimits& limits) {
  SearchControl control(limits);
  const auto table = BuildCoverTable<CellSet>(figure, field);
  const bool any = table ? AnyCover(*table, control)
                         : AnyCover(*BuildCoverTable<WideCellSet>(figure, field), control);
  return control.Finished() ? std::optional(any) : std::nullopt;
}

std::optional<bool> CanStillComplete(const Game& game, const CountLimits& limits) {
  return CanStillComplete(game.figure, game.field, limits);
}

}  // namespace kelvane
