// SPDX-License-Identifier: GPL-3.0-or-later
// What every command of the tool starts from: a puzzle file read from any path, and a game on it.
#pragma once

#include <filesystem>
#include <optional>

#include "model/cell_grid.h"
#include "model/game.h"

namespace kelvane::tool {

// The tool's exit codes.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// The figure of the puzzle file at `path`, read as the game reads files from its library;
// nothing when the file is missing, unreadable or rejected.
std::optional<CellGrid> ReadPuzzleAt(const std::filesystem::path& path);

// Runs the search of Test puzzle; on success game.WorkGrid holds the completion.
bool SolveFromEmptyField(Game& game);

}  // namespace kelvane::tool
