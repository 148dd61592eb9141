// A fresh game after window creation.
#include "model/game_init.h"

#include <gtest/gtest.h>

#include "model/game.h"
#include "support/test_game.h"

namespace kelvane {
namespace {

TEST(InitialiseGame, StartsPlayOnTheDefaultFigure) {
  auto game = testing::NewInitialisedGame();
  EXPECT_EQ(CountCells(game->figure), 27);
  EXPECT_EQ(GridExtents(game->figure), (Extents{3, 5, 3}));
  EXPECT_EQ(game->figure.at(1, 1, 0), 0);
  EXPECT_EQ(game->figure.at(1, 1, 2), 0);
  EXPECT_EQ(game->figure.at(1, 4, 0), 1);
  EXPECT_EQ(game->figure.at(1, 3, 1), 1);
  EXPECT_EQ(game->figure.at(1, 3, 2), 0);
  EXPECT_EQ(game->shownLayers, 3);
  EXPECT_EQ(game->winAnnouncement, 1);
  EXPECT_EQ(game->currentLayer, 0);
  EXPECT_EQ(game->createMode, 0);
  EXPECT_FALSE(GridHasCells(game->field));
  EXPECT_EQ(game->thumbnailGeometry, (CubeGeometry{9, 6, 9, 21}));
  for (int k = 0; k < kPieceCount; ++k) {
    EXPECT_EQ(game->pieceGrids[k].at(0, 0, 0), PieceCellValue(k));
    EXPECT_EQ(game->hideFlags[k], 0);
  }
}

}  // namespace
}  // namespace kelvane
