// SPDX-License-Identifier: GPL-3.0-or-later
// The model's part of building the game when the window is created.
#include "model/game_init.h"

#include "model/game.h"
#include "model/orientation.h"

namespace kelvane {

void LayDefaultFigure(Game& game) {
  game.figure.Clear();
  for (int z = 0; z < 3; ++z) {
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 3; ++x) {
        if (x != 1 || y != 1) {
          game.figure.at(x, y, z) = kPlainCube;
        }
      }
    }
  }
  game.figure.at(1, 3, 0) = kPlainCube;
  game.figure.at(1, 4, 0) = kPlainCube;
  game.figure.at(1, 3, 1) = kPlainCube;
  game.shownLayers = 3;
  game.winAnnouncement = 1;
  // The library ships this figure as Well.kvp, so the first start already plays a named puzzle.
  game.play.puzzleName = "Well";
}

std::unique_ptr<Game> GameOn(const CellGrid& figure) {
  auto game = std::make_unique<Game>();
  InitialiseGame(*game);
  game->figure = figure;
  game->play.puzzleName.clear();
  game->field.Clear();
  return game;
}

void InitialiseGame(Game& game) {
  LayDefaultFigure(game);
  for (int k = 0; k < kPieceCount; ++k) {
    LayBasePiece(k, game.pieceGrids[k]);
  }
  BuildOrientationTables(game);
  game.thumbnailGeometry = {9, 6, 9, 21};
}

}  // namespace kelvane
