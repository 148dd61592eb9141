// SPDX-License-Identifier: GPL-3.0-or-later
// Reading puzzle files from any path and searching them as Test puzzle does.
#include "puzzle_game.h"

#include "analysis/solver.h"
#include "storage/puzzle_file.h"
#include "storage/text_file.h"

namespace kelvane::tool {

std::optional<CellGrid> ReadPuzzleAt(const std::filesystem::path& path) {
  const std::optional<std::string> text = ReadTextFile(path);
  CellGrid figure;
  if (!text || !ParsePuzzleText(*text, figure)) {
    return std::nullopt;
  }
  return figure;
}

bool SolveFromEmptyField(Game& game) {
  game.WorkGrid = game.field;
  return SolveFrom(game, 0, GridExtents(game.figure));
}

}  // namespace kelvane::tool
