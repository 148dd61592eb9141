// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-grid operations and the piece catalogue.
#include "model/cell_grid.h"

#include <gtest/gtest.h>

#include "model/pieces.h"

namespace kelvane {
namespace {

TEST(GridExtents, CountsOnePastTheLargestOccupiedCoordinate) {
  CellGrid grid;
  EXPECT_EQ(GridExtents(grid), (Extents{0, 0, 0}));
  grid.at(11, 11, 11) = 1;
  EXPECT_EQ(GridExtents(grid), (Extents{12, 12, 12}));
  grid.Clear();
  grid.at(4, 0, 2) = 3;
  EXPECT_EQ(GridExtents(grid), (Extents{5, 1, 3}));
}

TEST(NormaliseGrid, MovesTheShapeToTheOriginCorner) {
  CellGrid grid;
  grid.at(5, 7, 9) = 4;
  grid.at(6, 7, 10) = 4;
  NormaliseGrid(grid);
  CellGrid expected;
  expected.at(0, 0, 0) = 4;
  expected.at(1, 0, 1) = 4;
  EXPECT_TRUE(GridEquals(grid, expected));
}

TEST(NormaliseGrid, LeavesEmptyAndNormalisedGridsAlone) {
  CellGrid empty;
  NormaliseGrid(empty);
  EXPECT_FALSE(GridHasCells(empty));

  CellGrid grid;
  LayBasePiece(2, grid);
  const CellGrid before = grid;
  NormaliseGrid(grid);
  EXPECT_TRUE(GridEquals(grid, before));
}

TEST(ClearCellValue, TakesOffOnePieceOnly) {
  CellGrid field;
  field.at(0, 0, 0) = 5;
  field.at(1, 0, 0) = 5;
  field.at(2, 0, 0) = 6;
  field.at(3, 0, 0) = 1;
  ClearCellValue(field, 5);
  EXPECT_EQ(CountCells(field), 2);
  EXPECT_EQ(field.at(2, 0, 0), 6);
  EXPECT_EQ(field.at(3, 0, 0), 1);
}

TEST(PieceCatalogue, HoldsTwentySevenNormalisedCubes) {
  int total = 0;
  for (int k = 0; k < kPieceCount; ++k) {
    CellGrid grid;
    LayBasePiece(k, grid);
    EXPECT_EQ(CountCells(grid), PieceCubeCount(k));
    EXPECT_EQ(grid.at(0, 0, 0), PieceCellValue(k)) << "piece " << k + 1;
    const Extents e = GridExtents(grid);
    EXPECT_LE(std::max({e.x, e.y, e.z}), 3);
    total += CountCells(grid);
  }
  EXPECT_EQ(total, 27);
}

}  // namespace
}  // namespace kelvane
