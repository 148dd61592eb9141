// SPDX-License-Identifier: GPL-3.0-or-later
// Turning the figure and the field a quarter turn.
#include "model/view_turn.h"

#include "model/placement.h"
#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

bool HoldsValue(const CellGrid& grid, std::int8_t value) {
  return std::find(grid.cells.begin(), grid.cells.end(), value) != grid.cells.end();
}

TEST_F(PlayTest, TurningTheDefaultFigureSwapsItsWidthAndDepth) {
  RotateView(*game, platform, +1);
  EXPECT_EQ(GridExtents(game->figure), (Extents{5, 3, 3}));
  EXPECT_EQ(game->figure.at(0, 1, 0), kPlainCube);  // was (1, 4, 0)
  EXPECT_EQ(CountCells(game->figure), 27);
  EXPECT_EQ(platform.invalidations, 1);
}

TEST_F(PlayTest, APieceTurnsWithTheFigureCellsItCovers) {
  // Piece 7 alone does not reach the far side of the box; it must still turn within the box.
  Lay({7, 0, 0, 0, 0});  // (0,0,0), (1,0,0), (0,0,1)
  RotateView(*game, platform, +1);
  EXPECT_EQ(game->field.at(4, 0, 0), 8);
  EXPECT_EQ(game->field.at(4, 1, 0), 8);
  EXPECT_EQ(game->field.at(4, 0, 1), 8);
  EXPECT_EQ(CountCells(game->field), 3);
}

TEST_F(PlayTest, PlacedPiecesStayOnTheirFigureCellsAndFourTurnsGiveTheStartBack) {
  for (int i = 0; i < 4; ++i) {
    Lay(kDefaultFigureSolution[i]);
  }
  const CellGrid figure = game->figure;
  const CellGrid field = game->field;
  for (int turn = 1; turn <= 4; ++turn) {
    RotateView(*game, platform, +1);
    EXPECT_FALSE(HoldsValue(game->field, kMarkedCell)) << "after turn " << turn;
    EXPECT_EQ(CountCells(game->field), CountCells(field));
    for (int i = 0; i < kGridCells; ++i) {
      if (game->field.cells[i] != 0) {
        EXPECT_EQ(game->figure.cells[i], kPlainCube) << "after turn " << turn;
      }
    }
  }
  EXPECT_TRUE(GridEquals(game->figure, figure));
  EXPECT_TRUE(GridEquals(game->field, field));
}

TEST_F(PlayTest, TurningBackUndoesATurn) {
  Lay(kDefaultFigureSolution[1]);
  const CellGrid figure = game->figure;
  const CellGrid field = game->field;
  RotateView(*game, platform, +1);
  RotateView(*game, platform, -1);
  EXPECT_TRUE(GridEquals(game->figure, figure));
  EXPECT_TRUE(GridEquals(game->field, field));
}

TEST_F(PlayTest, APlacedPiecesGridBecomesItsShapeAsItNowLies) {
  Lay(kDefaultFigureSolution[0]);
  const CellGrid unplaced = game->pieceGrids[1];
  game->currentLayer = 1;
  game->shownLayers = 2;
  RotateView(*game, platform, -1);

  CellGrid lying;
  for (int i = 0; i < kGridCells; ++i) {
    if (game->field.cells[i] == 2) {
      lying.cells[i] = 2;
    }
  }
  NormaliseGrid(lying);
  EXPECT_TRUE(GridEquals(game->pieceGrids[0], lying));
  CellGrid base;
  LayBasePiece(0, base);
  EXPECT_FALSE(GridEquals(game->pieceGrids[0], base)) << "a quarter turn changes piece 1";
  EXPECT_TRUE(GridEquals(game->pieceGrids[1], unplaced));
  EXPECT_EQ(game->currentLayer, 1);
  EXPECT_EQ(game->shownLayers, 2);
}

}  // namespace
}  // namespace kelvane::testing
