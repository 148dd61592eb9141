// SPDX-License-Identifier: GPL-3.0-or-later
// Cube toggling, the orientation menu, the X, Y, Z keys and the panel's double click.
#include "model/field_input.h"

#include "model/command_ids.h"
#include "model/create_mode.h"
#include "model/placement.h"
#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

class CreateByCubesTest : public PlayTest {
 protected:
  void SetUp() override {
    game->createMode = 1;
    game->creationKind = kCreationByCubes;
    Select(6);
  }
};

TEST_F(CreateByCubesTest, AClickTogglesOneCubeOfTheCurrentLayer) {
  game->currentLayer = 2;
  Click(1, 0);
  EXPECT_EQ(game->field.at(1, 0, 2), kPlainCube);
  EXPECT_EQ(CountCells(game->field), 1);
  Click(1, 0);
  EXPECT_FALSE(GridHasCells(game->field));
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_EQ(platform.invalidations, 2);
}

TEST_F(CreateByCubesTest, ACellOutsideTheFigureFootprintTogglesNothing) {
  FieldClick(*game, platform, FloorCell{3, 0});
  FieldClick(*game, platform, FloorCell{-1, 0});
  EXPECT_FALSE(GridHasCells(game->field));
}

TEST_F(CreateByCubesTest, PiecesCannotBeTurned) {
  const CellGrid piece = game->pieceGrids[5];
  TurnSelectedPiece(*game, platform, 'X');
  EXPECT_TRUE(GridEquals(game->pieceGrids[5], piece));
  EXPECT_EQ(OrientationMenuToOpen(*game, platform), std::nullopt);
}

TEST_F(PlayTest, TheOrientationMenuFitsThePiecesCount) {
  Select(6);
  EXPECT_EQ(OrientationMenuToOpen(*game, platform), 130);
  Select(1);
  EXPECT_EQ(OrientationMenuToOpen(*game, platform), 132);
  Select(2);
  EXPECT_EQ(OrientationMenuToOpen(*game, platform), 131);
}

TEST_F(PlayTest, NoOrientationMenuForNoPieceAPlacedPieceOrAHiddenOne) {
  Select(0);
  EXPECT_EQ(OrientationMenuToOpen(*game, platform), std::nullopt);
  Lay(kDefaultFigureSolution[2]);
  EXPECT_EQ(OrientationMenuToOpen(*game, platform), std::nullopt);
  Select(4);
  HidePiece(*game, platform, 4);
  EXPECT_EQ(OrientationMenuToOpen(*game, platform), std::nullopt);
}

TEST_F(PlayTest, AnOrientationCommandGivesTheSelectedPieceThatSlot) {
  Select(1);
  ApplyOrientationCommand(*game, platform, 32838);
  EXPECT_TRUE(GridEquals(game->pieceGrids[0], OrientationSlot(*game, 0, 23)));
  ApplyOrientationCommand(*game, platform, 32772);
  EXPECT_TRUE(GridEquals(game->pieceGrids[0], OrientationSlot(*game, 0, 0)));
  EXPECT_EQ(platform.invalidations, 2);
}

TEST_F(PlayTest, AnOrientationCommandBeyondThePiecesCountIsIgnored) {
  // Guards against an all-zero slot replacing the piece grid, which would lose the piece.
  Select(6);
  const CellGrid piece = game->pieceGrids[5];
  ApplyOrientationCommand(*game, platform, kOrientationCommandIds[8]);
  EXPECT_TRUE(GridEquals(game->pieceGrids[5], piece));
  Select(0);
  ApplyOrientationCommand(*game, platform, 32772);
  EXPECT_EQ(platform.invalidations, 0);
}

TEST_F(PlayTest, TheXYZKeysTurnTheSelectedUnplacedPiece) {
  Select(1);
  CellGrid expected = game->pieceGrids[0];
  TurnSelectedPiece(*game, platform, 'X');
  RotateAboutX(expected);
  EXPECT_TRUE(GridEquals(game->pieceGrids[0], expected));
  TurnSelectedPiece(*game, platform, 'Y');
  RotateAboutY(expected);
  EXPECT_TRUE(GridEquals(game->pieceGrids[0], expected));
  TurnSelectedPiece(*game, platform, 'Z');
  RotateAboutZ(expected);
  EXPECT_TRUE(GridEquals(game->pieceGrids[0], expected));
  TurnSelectedPiece(*game, platform, 'Q');
  EXPECT_TRUE(GridEquals(game->pieceGrids[0], expected));
  EXPECT_EQ(platform.invalidations, 3);
}

TEST_F(PlayTest, TheKeysLeaveAPlacedPieceAlone) {
  Lay(kDefaultFigureSolution[2]);
  const CellGrid piece = game->pieceGrids[2];
  TurnSelectedPiece(*game, platform, 'Z');
  EXPECT_TRUE(GridEquals(game->pieceGrids[2], piece));
}

TEST_F(PlayTest, ADoubleClickInThePanelHidesEvenAPieceNotOnTheField) {
  Select(3);
  ToggleHideFromPanel(*game, platform);
  EXPECT_EQ(game->hideFlags[2], 1);
  ToggleHideFromPanel(*game, platform);
  EXPECT_EQ(game->hideFlags[2], 0);
  Select(0);
  ToggleHideFromPanel(*game, platform);
  EXPECT_EQ(game->hideFlags, (std::array<std::uint8_t, kPieceCount>{}));
}

TEST_F(PlayTest, APanelItemTheListDoesNotHaveCountsAsNoSelection) {
  Select(8);
  ToggleHideFromPanel(*game, platform);
  Click(0, 0);
  EXPECT_EQ(game->hideFlags, (std::array<std::uint8_t, kPieceCount>{}));
  EXPECT_EQ(platform.beeps, 0);
}

}  // namespace
}  // namespace kelvane::testing
