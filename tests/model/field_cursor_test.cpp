// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's cell cursor: moving within the footprint, and clicking by the same rules as the
// pointer.
#include "model/field_cursor.h"

#include "model/placement.h"
#include "model/view_turn.h"
#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

class FieldCursorTest : public PlayTest {
 protected:
  void SetUp() override { ShowFieldCursor(*game, platform); }
  std::optional<FloorCell> Cell() const { return FieldCursorCell(*game); }
};

TEST_F(FieldCursorTest, ArrowsMoveOneCellAndStopAtTheFootprintsEdge) {
  struct Step {
    int dx, dy;
    FloorCell expected;
  };
  // The default figure's footprint is 3 × 5.
  for (const Step& step : {Step{-1, 0, {0, 0}}, Step{0, -1, {0, 0}}, Step{1, 0, {1, 0}},
                           Step{1, 0, {2, 0}}, Step{1, 0, {2, 0}}, Step{0, 1, {2, 1}}}) {
    MoveFieldCursor(*game, platform, step.dx, step.dy);
    EXPECT_EQ(Cell(), step.expected) << step.dx << "," << step.dy;
  }
  for (int i = 0; i < 9; ++i) {
    MoveFieldCursor(*game, platform, 0, 1);
  }
  EXPECT_EQ(Cell(), (FloorCell{2, 4}));
}

TEST_F(FieldCursorTest, AHiddenCursorIsOnlyShownByTheFirstKey) {
  MoveFieldCursor(*game, platform, 1, 0);
  Select(1);
  HideFieldCursor(*game, platform);
  EXPECT_EQ(Cell(), std::nullopt);
  MoveFieldCursor(*game, platform, 1, 0);
  EXPECT_EQ(Cell(), (FloorCell{1, 0}));
  HideFieldCursor(*game, platform);
  PressAtFieldCursor(*game, platform);  // a press the player could not see aimed lays nothing
  EXPECT_EQ(Cell(), (FloorCell{1, 0}));
  EXPECT_FALSE(PieceOnField(*game, PieceCellValue(0)));
}

TEST_F(FieldCursorTest, PressLaysAndPicksUpLikeAClick) {
  const Placement& p = kDefaultFigureSolution[0];
  Select(p.piece);
  game->pieceGrids[p.piece - 1] = OrientationSlot(*game, p.piece - 1, p.slot);
  MoveFieldCursor(*game, platform, p.x, p.y);
  PressAtFieldCursor(*game, platform);
  EXPECT_TRUE(PieceOnField(*game, PieceCellValue(p.piece - 1)));
  Select(0);
  PressAtFieldCursor(*game, platform);
  EXPECT_FALSE(PieceOnField(*game, PieceCellValue(p.piece - 1)));
  EXPECT_EQ(platform.selection, p.piece);
  MoveFieldCursor(*game, platform, 2, 4);  // (2, 4) lies off the Figure
  PressAtFieldCursor(*game, platform);
  EXPECT_EQ(platform.beeps, 1);
}

TEST_F(FieldCursorTest, ATurnOfTheViewKeepsTheCursorInsideTheNewFootprint) {
  MoveFieldCursor(*game, platform, 0, 4);
  RotateView(*game, platform, +1);  // the footprint becomes 5 × 3
  EXPECT_EQ(Cell(), (FloorCell{0, 2}));
}

}  // namespace
}  // namespace kelvane::testing
