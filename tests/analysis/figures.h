// SPDX-License-Identifier: GPL-3.0-or-later
// Figures and positions the analysis tests share.
#pragma once

#include <initializer_list>
#include <memory>

#include "analysis/placements.h"
#include "analysis/plain_search.h"
#include "analysis/solver.h"
#include "model/cell_grid.h"
#include "model/game.h"
#include "support/test_game.h"

namespace kelvane::testing {

struct Cell {
  int x, y, z;
};

inline CellGrid Block(int sizeX, int sizeY, int sizeZ) {
  CellGrid grid;
  for (int z = 0; z < sizeZ; ++z) {
    for (int y = 0; y < sizeY; ++y) {
      for (int x = 0; x < sizeX; ++x) {
        grid.at(x, y, z) = kPlainCube;
      }
    }
  }
  return grid;
}

inline CellGrid Cells(std::initializer_list<Cell> cells) {
  CellGrid grid;
  for (const Cell& c : cells) {
    grid.at(c.x, c.y, c.z) = kPlainCube;
  }
  return grid;
}

// 49 loose cubes (no two touching) in two layers, and above them the 3 × 3 × 3 cube: 76 free
// cells, so that the cube's cells are numbered beyond the first 64.
inline CellGrid CubeAboveLooseCubes() {
  CellGrid grid;
  for (int z = 0; z < 2; ++z) {
    for (int y = 0; y < 7; ++y) {
      for (int x = 0; x < 7; ++x) {
        grid.at(x, y, z) = (x + y + z) % 2 == 0 ? kPlainCube : kEmptyCell;
      }
    }
  }
  for (int z = 3; z < 6; ++z) {
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 3; ++x) {
        grid.at(x, y, z) = kPlainCube;
      }
    }
  }
  return grid;
}

// An initialised game in play on `figure`, with an empty Field.
inline std::unique_ptr<Game> GameOn(const CellGrid& figure) {
  auto game = NewInitialisedGame();
  game->figure = figure;
  game->field.Clear();
  game->winAnnouncement = 1;
  return game;
}

// The search the Analyse commands run: WorkGrid from the Field, every piece from the first.
inline bool SolveField(Game& game) {
  game.WorkGrid = game.field;
  return SolveFrom(game, 0, GridExtents(game.figure));
}

// The completion that trying every orientation and anchor in turn finds, cell by cell.
inline bool PlainCompletion(Game& game, CellGrid& completion) {
  game.WorkGrid = game.field;
  const bool solved = PlainSearch(game, PiecesToLay(game, 0), 0, GridExtents(game.figure));
  completion = game.WorkGrid;
  return solved;
}

}  // namespace kelvane::testing
