// SPDX-License-Identifier: GPL-3.0-or-later
// Undo, Redo and Restart puzzle, played like a session.
#include "model/move_history.h"

#include "analysis/analyse.h"
#include "creation/create_puzzle.h"
#include "model/command_ids.h"
#include "model/placement.h"
#include "model/puzzle_start.h"
#include "model/view_turn.h"
#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

class HistoryTest : public PlayTest {
 protected:
  CellGrid LayNext() {
    Lay(kDefaultFigureSolution[laid++]);
    return game->field;
  }
  bool Enabled(int commandId) { return platform.commandStates->IsEnabled(commandId); }
  int laid = 0;
};

TEST_F(HistoryTest, UndoAndRedoStepThroughTheMovesInWhicheverViewTheyAreTaken) {
  const CellGrid one = LayNext();
  const CellGrid two = LayNext();
  const CellGrid three = LayNext();
  RotateView(*game, platform, +1);
  Undo(*game, platform);  // the third piece leaves where it is seen now
  EXPECT_EQ(CountCells(game->field), CountCells(two));
  Undo(*game, platform);
  RotateView(*game, platform, -1);
  EXPECT_TRUE(GridEquals(game->field, one));
  EXPECT_TRUE(Enabled(kCmdUndo) && Enabled(kCmdRedo));
  RotateView(*game, platform, -1);
  Redo(*game, platform);
  Redo(*game, platform);
  RotateView(*game, platform, +1);
  EXPECT_TRUE(GridEquals(game->field, three));
  EXPECT_TRUE(GridEquals(game->pieceGrids[2], OrientationSlot(*game, 2, 5)));
  Undo(*game, platform);
  LayNext();  // a new move drops the redo step
  EXPECT_FALSE(Enabled(kCmdRedo));
}

TEST_F(HistoryTest, ShowAllAndRestartAreUndoneInOneStepAndANewPuzzleForgetsTheSteps) {
  const CellGrid one = LayNext();
  platform.answers = {MessageAnswer::Yes};
  AnalysePuzzle(*game, platform, AnalyseMode::ShowAll);
  ASSERT_TRUE(AllPiecesOnField(*game));
  Undo(*game, platform);
  EXPECT_TRUE(GridEquals(game->field, one));
  game->hideFlags[0] = 1;
  RestartPuzzle(*game, platform);
  EXPECT_FALSE(GridHasCells(game->field));
  Undo(*game, platform);
  EXPECT_TRUE(GridEquals(game->field, one));
  EXPECT_EQ(game->hideFlags[0], 1);  // Restart cleared them; its Undo brings them back

  CreatePuzzle(*game, platform, CreateMode::ByCubes);
  EXPECT_FALSE(CanUndo(*game));
  Click(2, 3);  // a cube toggled in create mode is a move too
  Undo(*game, platform);
  EXPECT_EQ(CountCells(game->field), 0);
  StartPuzzle(*game, platform, game->figure);
  EXPECT_FALSE(CanRedo(*game));
}

}  // namespace
}  // namespace kelvane::testing
