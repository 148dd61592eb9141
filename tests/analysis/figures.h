// SPDX-License-Identifier: GPL-3.0-or-later
// Figures, positions and checks the analysis tests share.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "analysis/placements.h"
#include "analysis/plain_search.h"
#include "analysis/solver.h"
#include "model/cell_grid.h"
#include "model/game.h"
#include "model/orientation.h"
#include "storage/puzzle_file.h"
#include "storage/text_file.h"
#include "support/test_game.h"

namespace kelvane::testing {

inline CellGrid Block(int sizeX, int sizeY, int sizeZ) {
  CellGrid grid;
  for (int i = 0; i < sizeX * sizeY * sizeZ; ++i) {
    grid.at(i % sizeX, i / sizeX % sizeY, i / (sizeX * sizeY)) = kPlainCube;
  }
  return grid;
}

// Loose cubes, no two touching, on the cells of an n × n × layers box whose coordinates add up
// to an even number: no piece fits anywhere.
inline CellGrid LooseCubes(int n, int layers) {
  CellGrid grid;
  for (int i = 0; i < n * n * layers; ++i) {
    const int x = i % n, y = i / n % n, z = i / (n * n);
    grid.at(x, y, z) = (x + y + z) % 2 == 0 ? kPlainCube : kEmptyCell;
  }
  return grid;
}

// Loose cubes in two n × n layers, and above them the 3 × 3 × 3 cube: with n = 7, 76 free
// cells, so that the cube's cells are numbered beyond the first 64; with n = 11, 148.
inline CellGrid CubeAboveLooseCubes(int n = 7) {
  CellGrid grid = LooseCubes(n, 2);
  for (int i = 0; i < 27; ++i) {
    grid.at(i % 3, i / 3 % 3, 3 + i / 9) = kPlainCube;
  }
  return grid;
}

// A figure of the shipped library.
inline CellGrid LibraryFigure(const std::string& name) {
  CellGrid figure;
  const auto text = ReadTextFile(KELVANE_SOURCE_DIR "/resources/Puzzles/" + name + ".kvp");
  EXPECT_TRUE(text && ParsePuzzleText(*text, figure)) << name;
  return figure;
}

// Piece 7 (three cubes, bent) on the Field with its bend at (x, 0, 0), its arms along x and z.
// With the bend in a corner of the 3 × 3 × 3 cube nothing completes the cube.
inline CellGrid PieceSevenAt(int x) {
  CellGrid field;
  field.at(x, 0, 0) = field.at(x + 1, 0, 0) = field.at(x, 0, 1) = PieceCellValue(6);
  return field;
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

// The 3 × 3 × 3 cube's Field with all seven pieces laid.
inline CellGrid SolvedCube() {
  auto game = GameOn(Block(3, 3, 3));
  EXPECT_TRUE(SolveField(*game));
  return game->WorkGrid;
}

// Only the cells of piece k, shifted to the origin.
inline CellGrid PieceCells(const CellGrid& grid, int k) {
  CellGrid piece = grid;
  for (std::int8_t& cell : piece.cells) {
    cell = cell == PieceCellValue(k) ? cell : 0;
  }
  NormaliseGrid(piece);
  return piece;
}

// `grid` holds all seven pieces, 27 cells, each piece in one of its orientations.
inline void ExpectSevenWholePieces(const Game& game, const CellGrid& grid) {
  EXPECT_EQ(CountCells(grid), 27);
  for (int k = 0; k < kPieceCount; ++k) {
    const CellGrid piece = PieceCells(grid, k);
    int slot = 0;
    while (slot < game.orientationCounts[k] && !GridEquals(piece, OrientationSlot(game, k, slot))) {
      ++slot;
    }
    EXPECT_LT(slot, game.orientationCounts[k]) << "piece " << k + 1 << " is no orientation";
  }
}

}  // namespace kelvane::testing
