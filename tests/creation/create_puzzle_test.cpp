// SPDX-License-Identifier: GPL-3.0-or-later
// Entering the create modes, importing into them, and validating the created figure.
#include "creation/create_puzzle.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/create_mode.h"
#include "support/fake_platform.h"

namespace kelvane {
namespace {

class CreatePuzzleTest : public ::testing::Test {
 protected:
  std::unique_ptr<Game> game = std::make_unique<Game>();
  testing::FakePlatform platform;
};

TEST_F(CreatePuzzleTest, ByCubesOpensAnEmptyWorkingSpaceAndByPiecesDiscardsItWithoutAsking) {
  game->figure.at(11, 11, 11) = 1;
  game->field.at(1, 1, 1) = 3;
  game->currentLayer = 2;
  CreatePuzzle(*game, platform, CreateMode::ByCubes);
  EXPECT_EQ(game->createMode, 1);
  EXPECT_EQ(game->creationKind, kCreationByCubes);
  EXPECT_EQ(CountCells(game->figure), 1001);  // the 10×10×10 block; cells outside are kept
  EXPECT_EQ(game->figure.at(9, 9, 9), 1);
  EXPECT_FALSE(GridHasCells(game->field));
  EXPECT_EQ(game->currentLayer, 0);
  EXPECT_EQ(platform.panelResets, 1);
  EXPECT_EQ(platform.fits, 1);
  EXPECT_EQ(platform.invalidations, 1);
  EXPECT_EQ(platform.erasingInvalidations, 0);

  game->field.at(2, 2, 2) = 1;
  CreatePuzzle(*game, platform, CreateMode::ByPieces);
  EXPECT_EQ(game->creationKind, kCreationByPieces);
  EXPECT_FALSE(GridHasCells(game->field));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CreatePuzzleTest, ImportPutsTheFigureOnTheFieldAtItsTopLayerAndNeedsTwentySevenCubes) {
  platform.clipboard = "111/111/111\r\n111/111/111\r\n111/111/111\r\n";
  CreatePuzzle(*game, platform, CreateMode::Import);
  EXPECT_EQ(game->createMode, 1);
  EXPECT_EQ(game->creationKind, kCreationByCubes);
  EXPECT_EQ(CountCells(game->field), 27);
  EXPECT_EQ(GridExtents(game->field), (Extents{3, 3, 3}));
  EXPECT_EQ(game->currentLayer, 2);
  EXPECT_TRUE(ValidateCreatedFigure(*game, platform));
  game->field.at(5, 5, 0) = 1;
  EXPECT_FALSE(ValidateCreatedFigure(*game, platform));
  game->field.at(5, 5, 0) = 0;
  game->field.at(0, 0, 0) = 0;
  EXPECT_FALSE(ValidateCreatedFigure(*game, platform));
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].text, "Number of cubes must be 27 (now is 28).");
  EXPECT_EQ(platform.messages[1].text, "Number of cubes must be 27 (now is 26).");
  EXPECT_EQ(platform.messages[1].caption, "Kelvane");
  EXPECT_EQ(platform.messages[1].style, MessageStyle::Information);
}

TEST_F(CreatePuzzleTest, ByPiecesNeedsAllSevenPiecesAndAFailedImportChangesNothing) {
  CreatePuzzle(*game, platform, CreateMode::ByPieces);
  // One cell of each piece is enough for the piece to count as laid.
  for (int value = 2; value <= 7; ++value) {
    game->field.at(value, 0, 0) = static_cast<std::int8_t>(value);
  }
  EXPECT_FALSE(ValidateCreatedFigure(*game, platform));
  CreatePuzzle(*game, platform, CreateMode::Import);  // no text on the clipboard
  platform.clipboard = "111";
  CreatePuzzle(*game, platform, CreateMode::Import);
  EXPECT_EQ(game->creationKind, kCreationByPieces);
  EXPECT_EQ(platform.fits, 1);
  game->field.at(8, 0, 0) = 8;
  EXPECT_TRUE(ValidateCreatedFigure(*game, platform));
  EXPECT_EQ(platform.messages.size(), 3u);
  EXPECT_EQ(platform.messages[0].text, "Please put all pieces on game field.");
  EXPECT_EQ(platform.messages[1].text, "Please copy text of figure to clipboard for import.");
  EXPECT_EQ(platform.messages[2].text, "Invalid format!");
}

}  // namespace
}  // namespace kelvane
