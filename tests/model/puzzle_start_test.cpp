// SPDX-License-Identifier: GPL-3.0-or-later
// Starting play on a new figure.
#include "model/puzzle_start.h"

#include "model/placement.h"
#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

CellGrid Tower(int height) {
  CellGrid figure;
  for (int z = 0; z < height; ++z) {
    figure.at(0, 0, z) = kPlainCube;
  }
  return figure;
}

TEST_F(PlayTest, StartPuzzleBeginsPlayOnTheNewFigureKeepingTheOrientations) {
  Lay(kDefaultFigureSolution[3]);
  game->hideFlags[3] = 1;
  game->createMode = 1;
  game->currentLayer = 2;
  game->winAnnouncement = 0;
  RotateAboutX(game->pieceGrids[0]);
  const auto orientations = game->pieceGrids;

  StartPuzzle(*game, platform, Tower(5));

  EXPECT_EQ(game->createMode, 0);
  EXPECT_FALSE(GridHasCells(game->field));
  EXPECT_TRUE(GridEquals(game->figure, Tower(5)));
  EXPECT_EQ(game->currentLayer, 0);
  EXPECT_EQ(game->shownLayers, 5);
  EXPECT_EQ(game->hideFlags, (std::array<std::uint8_t, kPieceCount>{}));
  EXPECT_EQ(game->winAnnouncement, 1);
  for (int k = 0; k < kPieceCount; ++k) {
    EXPECT_TRUE(GridEquals(game->pieceGrids[k], orientations[k])) << "piece " << k + 1;
  }
  EXPECT_EQ(platform.fits, 1);
  EXPECT_EQ(platform.panelResets, 1);
  EXPECT_EQ(platform.selection, -1);
  EXPECT_EQ(platform.commandStateUpdates, 2);  // once for the laid piece, once here
}

TEST_F(PlayTest, StartPuzzleAcceptsTheGamesOwnFieldAsTheNewFigure) {
  // Guards against clearing the Field before copying it when it is the figure handed over.
  game->field = Tower(3);
  StartPuzzle(*game, platform, game->field);
  EXPECT_TRUE(GridEquals(game->figure, Tower(3)));
  EXPECT_FALSE(GridHasCells(game->field));
}

}  // namespace
}  // namespace kelvane::testing
