// Laying pieces: legality, the preview, and what a refused click does.
#include "model/placement.h"

#include "model/command_states.h"
#include "play_fixture.h"

namespace kelvane::testing {
namespace {

class ComposePlacementTest : public PlayTest {
 protected:
  bool Compose(int x, int y) { return ComposePlacement(*game, platform, FloorCell{x, y}, out); }
  CellGrid out;
};

TEST_F(ComposePlacementTest, LaysTheCornerPieceOnEmptyFigureCells) {
  Select(7);  // (0,0,0), (1,0,0), (0,0,1)
  EXPECT_TRUE(Compose(0, 0));
  EXPECT_EQ(out.at(0, 0, 0), 8);
  EXPECT_EQ(out.at(1, 0, 0), 8);
  EXPECT_EQ(out.at(0, 0, 1), 8);
  EXPECT_EQ(CountCells(out), 3);
  EXPECT_FALSE(GridHasCells(game->field)) << "only the caller's grid is written";
}

TEST_F(ComposePlacementTest, LaysOnTheCurrentLayer) {
  Select(7);
  game->currentLayer = 1;
  EXPECT_TRUE(Compose(0, 0));
  EXPECT_EQ(out.at(0, 0, 1), 8);
  EXPECT_EQ(out.at(0, 0, 2), 8);
  EXPECT_EQ(out.at(0, 0, 0), 0);
}

TEST_F(ComposePlacementTest, RefusesACubeOffTheFigureAndShowsThePieceAsPlainCubes) {
  Select(7);
  // (1,1,0) is inside the box but in the figure's missing middle column.
  EXPECT_FALSE(Compose(1, 1));
  EXPECT_EQ(out.at(1, 1, 0), kPlainCube);
  EXPECT_EQ(out.at(2, 1, 0), kPlainCube);
  EXPECT_EQ(out.at(1, 1, 1), kPlainCube);
  EXPECT_EQ(CountCells(out), 3);
}

TEST_F(ComposePlacementTest, RefusesACubeBeyondTheBoxAndDrawsOnlyTheCubesInside) {
  Select(7);
  EXPECT_FALSE(Compose(2, 0));  // (3,0,0) lies beyond X = 3
  EXPECT_EQ(out.at(2, 0, 0), kPlainCube);
  EXPECT_EQ(out.at(2, 0, 1), kPlainCube);
  EXPECT_EQ(CountCells(out), 2);
}

TEST_F(ComposePlacementTest, ShowsWhereAHiddenPieceBlocksAsMarkedCells) {
  Lay({7, 0, 0, 0, 0});
  HidePiece(*game, platform, 7);
  Select(6);  // (0,0,0), (1,0,0), (0,1,0), (0,0,1)
  EXPECT_FALSE(Compose(0, 0));
  EXPECT_EQ(out.at(0, 0, 0), kMarkedCell);
  EXPECT_EQ(out.at(1, 0, 0), kMarkedCell);
  EXPECT_EQ(out.at(0, 0, 1), kMarkedCell);
  EXPECT_EQ(out.at(0, 1, 0), kPlainCube);
}

TEST_F(ComposePlacementTest, LeavesAVisibleObstacleAsItIs) {
  Lay({7, 0, 0, 0, 0});
  Select(6);
  EXPECT_FALSE(Compose(0, 0));
  EXPECT_EQ(out.at(0, 0, 0), 8);
  EXPECT_EQ(out.at(1, 0, 0), 8);
  EXPECT_EQ(out.at(0, 0, 1), 8);
  EXPECT_EQ(out.at(0, 1, 0), kPlainCube);
}

TEST_F(ComposePlacementTest, GivesTheFieldWithoutACellASelectionOrForAPlacedPiece) {
  Lay({7, 0, 0, 0, 0});
  const CellGrid field = game->field;
  Select(7);
  EXPECT_FALSE(Compose(0, 1)) << "a piece on the Field cannot be laid twice";
  EXPECT_TRUE(GridEquals(out, field));
  Select(0);
  EXPECT_FALSE(Compose(0, 1));
  EXPECT_TRUE(GridEquals(out, field));
  Select(6);
  EXPECT_FALSE(ComposePlacement(*game, platform, std::nullopt, out));
  EXPECT_TRUE(GridEquals(out, field));
}

TEST_F(PlayTest, ALegalClickLaysThePieceAndKeepsItSelected) {
  Select(7);
  Click(0, 0);
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_EQ(game->field.at(0, 0, 1), 8);
  EXPECT_EQ(platform.selection, 7);
  EXPECT_EQ(platform.invalidations, 1);
  ASSERT_TRUE(platform.commandStates);
  EXPECT_TRUE(platform.commandStates->IsEnabled(32864)) << "Hide piece 7 once it lies";
}

TEST_F(PlayTest, ARefusedClickOnlyBeeps) {
  Select(7);
  Click(1, 1);
  ClickOffTheField();
  EXPECT_EQ(platform.beeps, 2);
  EXPECT_FALSE(GridHasCells(game->field));
  EXPECT_EQ(platform.invalidations, 0);
}

TEST_F(PlayTest, ClickingAPlacedPieceWithAnUnplacedOneSelectedTriesToPlace) {
  Lay({7, 0, 0, 0, 0});
  Select(6);
  Click(0, 0);
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_TRUE(PieceOnField(*game, 8));
  EXPECT_EQ(platform.selection, 6);
}

TEST_F(PlayTest, WithNothingSelectedAClickOffTheFieldDoesNothing) {
  Select(0);
  ClickOffTheField();
  Select(-1);
  Click(0, 0);
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_TRUE(platform.events.empty());
}

TEST_F(PlayTest, RemovePieceTakesTheSelectedPieceOffButKeepsItsHideFlag) {
  Lay({7, 0, 0, 0, 0});
  HidePiece(*game, platform, 7);
  RemoveSelectedPiece(*game, platform);
  EXPECT_FALSE(PieceOnField(*game, 8));
  EXPECT_EQ(game->hideFlags[6], 1);
  UpdateCommandStates(*game, platform);
  EXPECT_FALSE(platform.commandStates->IsEnabled(32864));
  EXPECT_TRUE(platform.commandStates->IsChecked(32864));

  Click(0, 0);  // laid again, it is hidden at once
  EXPECT_TRUE(PieceOnField(*game, 8));
  EXPECT_EQ(game->hideFlags[6], 1);
}

}  // namespace
}  // namespace kelvane::testing
