// SPDX-License-Identifier: GPL-3.0-or-later
// Picking pieces up again with a click.
#include "model/placement.h"
#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

class PickUpTest : public PlayTest {
 protected:
  void SetUp() override {
    Lay(kDefaultFigureSolution[2]);  // piece 3: (1,3,0), (1,4,0), (1,2,1), (1,3,1)
    Lay(kDefaultFigureSolution[4]);  // piece 5: (2,0,0), (2,1,0), (1,0,1), (2,0,1)
    ASSERT_TRUE(PieceOnField(*game, 4));
    ASSERT_TRUE(PieceOnField(*game, 6));
    game->currentLayer = 0;
  }
};

TEST_F(PickUpTest, WithAPlacedPieceSelectedAClickOnAnotherPicksThatOneUp) {
  Select(3);
  const CellGrid orientation = game->pieceGrids[4];
  Click(2, 0);
  EXPECT_FALSE(PieceOnField(*game, 6));
  EXPECT_TRUE(PieceOnField(*game, 4));
  EXPECT_EQ(platform.selection, 5);
  EXPECT_TRUE(GridEquals(game->pieceGrids[4], orientation)) << "keeps its orientation";
  EXPECT_EQ(platform.beeps, 0);
}

TEST_F(PickUpTest, WithNoPieceSelectedAClickOnAPiecePicksItUp) {
  Select(0);
  Click(1, 4);
  EXPECT_FALSE(PieceOnField(*game, 4));
  EXPECT_EQ(platform.selection, 3);
  ASSERT_TRUE(platform.commandStates);
  EXPECT_FALSE(platform.commandStates->IsEnabled(32860)) << "Hide piece 3 greys once it is off";
  EXPECT_FALSE(platform.commandStates->IsEnabled(32887)) << "the selected piece no longer lies";
}

TEST_F(PickUpTest, AClickOnAnEmptyCellPicksNothingUpAndDoesNotBeep) {
  Select(3);
  const CellGrid field = game->field;
  Click(0, 0);
  EXPECT_TRUE(GridEquals(game->field, field));
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_EQ(platform.selection, 3);
}

TEST_F(PickUpTest, OnlyTheCurrentLayerIsPicked) {
  Select(0);
  game->currentLayer = 1;
  Click(1, 4);  // piece 3 lies below (1,4,1), which is empty
  EXPECT_TRUE(PieceOnField(*game, 4));
  Click(1, 2);  // its cube (1,2,1)
  EXPECT_FALSE(PieceOnField(*game, 4));
}

TEST_F(PickUpTest, AHiddenPieceCannotBePickedUp) {
  HidePiece(*game, platform, 5);
  Select(0);
  Click(2, 0);
  EXPECT_TRUE(PieceOnField(*game, 6));
  EXPECT_EQ(platform.selection, 0);
}

TEST_F(PlayTest, APlainCubeIsNeverPickedUp) {
  game->field.at(0, 0, 0) = kPlainCube;
  Select(0);
  Click(0, 0);
  EXPECT_EQ(game->field.at(0, 0, 0), kPlainCube);
  EXPECT_EQ(platform.selection, 0);
}

}  // namespace
}  // namespace kelvane::testing
