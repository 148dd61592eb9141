// SPDX-License-Identifier: GPL-3.0-or-later
// Cube toggling, the orientation menu, the X, Y, Z keys, the panel's double click, and the
// keyboard's cell cursor, which clicks by the same rules as the pointer.
#include "model/field_input.h"

#include "model/command_ids.h"
#include "model/create_mode.h"
#include "model/field_cursor.h"
#include "model/placement.h"
#include "model/view_turn.h"
#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

TEST_F(PlayTest, CreatingByCubesAClickTogglesOneCubeOfTheCurrentLayerAndNothingTurns) {
  game->createMode = 1;
  game->creationKind = kCreationByCubes;
  Select(6);
  game->currentLayer = 2;
  Click(1, 0);
  EXPECT_EQ(game->field.at(1, 0, 2), kPlainCube);
  EXPECT_EQ(CountCells(game->field), 1);
  Click(1, 0);
  Click(3, 0);  // outside the figure's footprint
  Click(-1, 0);
  EXPECT_FALSE(GridHasCells(game->field));
  EXPECT_EQ(platform.beeps, 0);

  const CellGrid piece = game->pieceGrids[5];
  TurnSelectedPiece(*game, platform, 'X');
  EXPECT_TRUE(GridEquals(game->pieceGrids[5], piece));
  EXPECT_EQ(OrientationMenuToOpen(*game, platform), std::nullopt);
}

TEST_F(PlayTest, OnlyAnUnplacedVisiblePieceTurnsByItsMenuOrTheXYZKeys) {
  Lay(kDefaultFigureSolution[2]);
  HidePiece(*game, platform, 4);
  platform.invalidations = 0;
  // The menu fits the piece's count; there is none for no piece, a placed piece or a hidden one.
  const std::pair<int, std::optional<int>> menus[] = {
      {6, 130}, {1, 132}, {2, 131}, {0, std::nullopt}, {3, std::nullopt}, {4, std::nullopt}};
  for (const auto& [selection, menu] : menus) {
    Select(selection);
    EXPECT_EQ(OrientationMenuToOpen(*game, platform), menu) << "piece " << selection;
  }

  Select(1);
  ApplyOrientationCommand(*game, platform, 32838);
  EXPECT_TRUE(GridEquals(game->pieceGrids[0], OrientationSlot(*game, 0, 23)));
  ApplyOrientationCommand(*game, platform, 32772);
  CellGrid expected = OrientationSlot(*game, 0, 0);
  EXPECT_TRUE(GridEquals(game->pieceGrids[0], expected));
  for (const auto& [key, turn] :
       {std::pair{'X', &RotateAboutX}, {'Y', &RotateAboutY}, {'Z', &RotateAboutZ}}) {
    TurnSelectedPiece(*game, platform, key);
    turn(expected);
    EXPECT_TRUE(GridEquals(game->pieceGrids[0], expected)) << key;
  }
  TurnSelectedPiece(*game, platform, 'Q');
  EXPECT_TRUE(GridEquals(game->pieceGrids[0], expected));

  // Guards against an all-zero slot beyond the piece's count replacing its grid.
  Select(6);
  const CellGrid six = game->pieceGrids[5];
  ApplyOrientationCommand(*game, platform, kOrientationCommandIds[8]);
  EXPECT_TRUE(GridEquals(game->pieceGrids[5], six));
  Select(3);
  const CellGrid placed = game->pieceGrids[2];
  TurnSelectedPiece(*game, platform, 'Z');
  EXPECT_TRUE(GridEquals(game->pieceGrids[2], placed));
  Select(0);
  ApplyOrientationCommand(*game, platform, 32772);
  EXPECT_EQ(platform.invalidations, 5);
}

TEST_F(PlayTest, ADoubleClickInThePanelHidesEvenAPieceNotOnTheField) {
  Select(3);
  ToggleHideFromPanel(*game, platform);
  EXPECT_EQ(game->hideFlags[2], 1);
  ToggleHideFromPanel(*game, platform);
  EXPECT_EQ(game->hideFlags[2], 0);
  for (const int noPiece : {0, 8}) {  // an item the list does not have counts as no selection
    Select(noPiece);
    ToggleHideFromPanel(*game, platform);
    Click(0, 0);
  }
  EXPECT_EQ(game->hideFlags, (std::array<std::uint8_t, kPieceCount>{}));
  EXPECT_EQ(platform.beeps, 0);
}

TEST_F(PlayTest, ATouchTapPreviewsBeforeItLaysAndPicksUpAtOnce) {
  const Placement& p = kDefaultFigureSolution[0];
  const auto pieceValue = static_cast<std::int8_t>(p.piece + 1);
  std::optional<FloorCell> previewed;
  const auto tap = [&](int x, int y) { FieldTap(*game, platform, FloorCell{x, y}, previewed); };
  Select(p.piece);
  game->pieceGrids[p.piece - 1] = OrientationSlot(*game, p.piece - 1, p.slot);
  game->currentLayer = p.layer;
  tap(p.x + 1, p.y);
  tap(p.x, p.y);  // another cell: the preview moves there
  EXPECT_FALSE(PieceOnField(*game, pieceValue));
  EXPECT_EQ(previewed, (FloorCell{p.x, p.y}));
  tap(p.x, p.y);
  ASSERT_TRUE(PieceOnField(*game, pieceValue));
  EXPECT_EQ(previewed, std::nullopt);

  // With another piece to lay, a tap on the laid one still picks it up, previewed where it was.
  Select(p.piece == 1 ? 2 : 1);
  tap(p.x, p.y);
  EXPECT_FALSE(PieceOnField(*game, pieceValue));
  EXPECT_EQ(previewed, (FloorCell{p.x, p.y}));
  tap(p.x, p.y);
  EXPECT_TRUE(PieceOnField(*game, pieceValue));
  EXPECT_EQ(platform.beeps, 0);
}

class FieldCursorTest : public PlayTest {
 protected:
  void SetUp() override { ShowFieldCursor(*game, platform); }
  std::optional<FloorCell> Cell() const { return FieldCursorCell(*game); }
};

TEST_F(FieldCursorTest, ArrowsMoveOneCellAndStopAtTheFootprintsEdge) {
  // The default figure's footprint is 3 × 5: dx, dy, and the cell reached.
  for (const auto& [dx, dy, x, y] : {std::array{-1, 0, 0, 0},
                                     {0, -1, 0, 0},
                                     {1, 0, 1, 0},
                                     {1, 0, 2, 0},
                                     {1, 0, 2, 0},
                                     {0, 1, 2, 1},
                                     {0, 9, 2, 4}}) {
    MoveFieldCursor(*game, platform, dx, dy);
    EXPECT_EQ(Cell(), (FloorCell{x, y})) << dx << "," << dy;
  }
  RotateView(*game, platform, +1);  // the footprint becomes 5 × 3
  EXPECT_EQ(Cell(), (FloorCell{2, 2}));
}

TEST_F(FieldCursorTest, PressLaysAndPicksUpLikeAClickOnceTheCursorIsShown) {
  MoveFieldCursor(*game, platform, 1, 0);
  Select(1);
  HideFieldCursor(*game, platform);
  EXPECT_EQ(Cell(), std::nullopt);
  MoveFieldCursor(*game, platform, 1, 0);  // a hidden cursor is only shown by the first key
  EXPECT_EQ(Cell(), (FloorCell{1, 0}));
  HideFieldCursor(*game, platform);
  PressAtFieldCursor(*game, platform);  // a press the player could not see aimed lays nothing
  EXPECT_EQ(Cell(), (FloorCell{1, 0}));
  EXPECT_FALSE(PieceOnField(*game, PieceCellValue(0)));

  MoveFieldCursor(*game, platform, -1, 0);
  PressAtFieldCursor(*game, platform);  // piece 1 in its base orientation fits at (0, 0)
  EXPECT_TRUE(PieceOnField(*game, PieceCellValue(0)));
  Select(0);
  PressAtFieldCursor(*game, platform);
  EXPECT_FALSE(PieceOnField(*game, PieceCellValue(0)));
  EXPECT_EQ(platform.selection, 1);
  MoveFieldCursor(*game, platform, 2, 4);  // (2, 4) lies off the Figure
  PressAtFieldCursor(*game, platform);
  EXPECT_EQ(platform.beeps, 1);
}

}  // namespace
}  // namespace kelvane::testing
