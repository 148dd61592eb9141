// SPDX-License-Identifier: GPL-3.0-or-later
// Entering the create modes and validating the figure built in them.
#include "creation/create_puzzle.h"

#include <optional>
#include <string>

#include "creation/figure_import.h"
#include "model/create_mode.h"
#include "model/game_messages.h"
#include "model/move_history.h"
#include "model/placement.h"
#include "model/play_tally.h"
#include "model/text_template.h"

namespace kelvane {
namespace {

// The open box in which a figure is built.
constexpr int kWorkingSpace = 10;

void FillWorkingSpace(CellGrid& figure) {
  for (int z = 0; z < kWorkingSpace; ++z) {
    for (int y = 0; y < kWorkingSpace; ++y) {
      for (int x = 0; x < kWorkingSpace; ++x) {
        figure.at(x, y, z) = kPlainCube;
      }
    }
  }
}

}  // namespace

void CreatePuzzle(Game& game, Platform& platform, CreateMode mode) {
  std::optional<CellGrid> imported;
  if (mode == CreateMode::Import) {
    imported = ImportFigureFromClipboard(game, platform);
    if (!imported) {
      return;
    }
  }
  RecordPuzzleChange(game, platform);
  game.creationKind = mode == CreateMode::ByPieces ? kCreationByPieces : kCreationByCubes;
  game.createMode = 1;
  BeginNewTally(game);
  FillWorkingSpace(game.figure);
  if (imported) {
    game.field = *imported;
    game.currentLayer = GridExtents(*imported).z - 1;
  } else {
    game.field.Clear();
    game.currentLayer = 0;
  }
  platform.ResetPanel();
  platform.FitWindow();
  platform.Invalidate(false);
}

bool ValidateCreatedFigure(const Game& game, Platform& platform) {
  if (game.creationKind == kCreationByCubes) {
    const int cubes = CountCells(game.field);
    if (cubes != kFigureCubes) {
      ShowGameMessage(game, platform, PLAYER_TEXT("Number of cubes must be 27 (now is %1)."),
                      MessageStyle::Information, {std::to_string(cubes)});
      return false;
    }
    return true;
  }
  if (!AllPiecesOnField(game)) {
    ShowGameMessage(game, platform, PLAYER_TEXT("Please put all pieces on game field."),
                    MessageStyle::Information);
    return false;
  }
  return true;
}

}  // namespace kelvane
