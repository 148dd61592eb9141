// SPDX-License-Identifier: GPL-3.0-or-later
// Moving between layers, cutting the view down to its lower layers, and turning the figure and
// the field a quarter turn.
#include "model/view_turn.h"

#include <tuple>
#include <utility>

#include "model/layers.h"
#include "model/placement.h"
#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

TEST_F(PlayTest, EachWheelMessageMovesOneLayerWithinTheFigureWhateverItsDelta) {
  // Moves the clamp refuses neither repaint nor update the menu.
  for (const auto& [delta, layer] :
       {std::pair{-1, 0}, {120, 1}, {960, 2}, {1, 2}, {-360, 1}, {0, 0}}) {
    ChangeLayer(*game, platform, delta);
    EXPECT_EQ(game->currentLayer, layer) << "delta " << delta;
  }
  EXPECT_EQ(platform.erasingInvalidations, 4);
  EXPECT_EQ(platform.commandStateUpdates, 4);

  // Guards against moving one layer per notch: on a tall figure the clamp no longer hides it.
  game->figure.Clear();
  for (int z = 0; z < 10; ++z) {
    game->figure.at(0, 0, z) = kPlainCube;
  }
  game->currentLayer = 5;
  for (const auto& [delta, layer] : {std::pair{240, 6}, {360, 7}, {-480, 6}, {-240, 5}}) {
    ChangeLayer(*game, platform, delta);
    EXPECT_EQ(game->currentLayer, layer) << "delta " << delta;
  }

  // Guards against storing layer -1 on an empty figure, which a later cube toggle would write
  // outside the grid.
  game->figure.Clear();
  game->currentLayer = 0;
  ChangeLayer(*game, platform, 120);
  EXPECT_EQ(game->currentLayer, 0);
}

TEST_F(PlayTest, ShownLayersRangeFromOneToTheFiguresHeight) {
  // Show up layer, then Hide down layer three times, then Show up layer again.
  for (const auto& [show, layers, repaints] :
       {std::tuple{true, 3, 0}, {false, 2, 1}, {false, 1, 2}, {false, 1, 2}, {true, 2, 3}}) {
    show ? ShowUpLayer(*game, platform) : HideDownLayer(*game, platform);
    EXPECT_EQ(game->shownLayers, layers);
    EXPECT_EQ(platform.invalidations, repaints);
  }
}

TEST_F(PlayTest, PlacedPiecesStayOnTheirFigureCellsAndTurnsUndoEachOther) {
  for (int i = 0; i < 4; ++i) {
    Lay(kDefaultFigureSolution[i]);
  }
  const CellGrid figure = game->figure;
  const CellGrid field = game->field;
  RotateView(*game, platform, +1);
  RotateView(*game, platform, -1);
  EXPECT_TRUE(GridEquals(game->figure, figure));
  EXPECT_TRUE(GridEquals(game->field, field));
  for (int turn = 1; turn <= 4; ++turn) {
    RotateView(*game, platform, +1);
    EXPECT_EQ(CountCells(game->field), CountCells(field)) << "no marker is left";
    for (int i = 0; i < kGridCells; ++i) {
      if (game->field.cells[i] != 0) {
        EXPECT_EQ(game->figure.cells[i], kPlainCube) << "after turn " << turn;
      }
    }
  }
  EXPECT_TRUE(GridEquals(game->figure, figure));
  EXPECT_TRUE(GridEquals(game->field, field));
}

// A placed piece's grid becomes its shape as it now lies; the unplaced pieces and the layers stay.
TEST_F(PlayTest, ATurnSwapsTheFiguresWidthAndDepthAndTurnsAPieceWithinTheBox) {
  // Piece 7 alone does not reach the far side of the box; it must still turn within the box.
  Lay({7, 0, 0, 0, 0});  // (0,0,0), (1,0,0), (0,0,1)
  const CellGrid unplaced = game->pieceGrids[1];
  game->currentLayer = 1;
  game->shownLayers = 2;
  RotateView(*game, platform, +1);
  EXPECT_EQ(GridExtents(game->figure), (Extents{5, 3, 3}));
  EXPECT_EQ(game->figure.at(0, 1, 0), kPlainCube);  // was (1, 4, 0)
  EXPECT_EQ(CountCells(game->figure), 27);
  EXPECT_EQ(game->field.at(4, 0, 0), 8);
  EXPECT_EQ(game->field.at(4, 1, 0), 8);
  EXPECT_EQ(game->field.at(4, 0, 1), 8);
  EXPECT_EQ(CountCells(game->field), 3);
  EXPECT_EQ(platform.invalidations, 2);

  CellGrid lying;
  lying.at(0, 0, 0) = lying.at(0, 1, 0) = lying.at(0, 0, 1) = 8;
  EXPECT_TRUE(GridEquals(game->pieceGrids[6], lying));
  EXPECT_TRUE(GridEquals(game->pieceGrids[1], unplaced));
  EXPECT_EQ(game->currentLayer, 1);
  EXPECT_EQ(game->shownLayers, 2);
}

}  // namespace
}  // namespace kelvane::testing
