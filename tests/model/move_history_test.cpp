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
  CellGrid FieldAfterLaying(int pieces) {
    for (int i = 0; i < pieces; ++i) {
      Lay(kDefaultFigureSolution[i]);
    }
    return game->field;
  }
  bool Enabled(int commandId) { return platform.commandStates->IsEnabled(commandId); }
};

TEST_F(HistoryTest, LayThreeUndoTwiceRedoOnce) {
  const CellGrid one = FieldAfterLaying(1);
  Lay(kDefaultFigureSolution[1]);
  const CellGrid two = game->field;
  Lay(kDefaultFigureSolution[2]);
  Undo(*game, platform);
  Undo(*game, platform);
  EXPECT_TRUE(GridEquals(game->field, one));
  EXPECT_TRUE(Enabled(kCmdUndo) && Enabled(kCmdRedo));
  Redo(*game, platform);
  EXPECT_TRUE(GridEquals(game->field, two));
  Lay(kDefaultFigureSolution[3]);  // a new move drops the redo step
  EXPECT_FALSE(CanRedo(*game));
  UpdateCommandStates(*game, platform);
  EXPECT_FALSE(Enabled(kCmdRedo));
}

TEST_F(HistoryTest, UndoAfterAViewTurnWorksInTheTurnedView) {
  const CellGrid two = FieldAfterLaying(2);
  Lay(kDefaultFigureSolution[2]);
  const CellGrid three = game->field;
  RotateView(*game, platform, +1);
  Undo(*game, platform);  // the third piece leaves where it is seen now
  RotateView(*game, platform, -1);
  EXPECT_TRUE(GridEquals(game->field, two));
  RotateView(*game, platform, -1);
  Redo(*game, platform);
  RotateView(*game, platform, +1);
  EXPECT_TRUE(GridEquals(game->field, three));
  EXPECT_TRUE(GridEquals(game->pieceGrids[2], OrientationSlot(*game, 2, 5)));
}

TEST_F(HistoryTest, ShowAllIsUndoneInOneStepAndRestartLikewise) {
  const CellGrid one = FieldAfterLaying(1);
  platform.answers = {MessageAnswer::Yes};
  AnalysePuzzle(*game, platform, AnalyseMode::ShowAll);
  ASSERT_TRUE(AllPiecesOnField(*game));
  Undo(*game, platform);
  EXPECT_TRUE(GridEquals(game->field, one));
  RestartPuzzle(*game, platform);
  EXPECT_FALSE(GridHasCells(game->field));
  Undo(*game, platform);
  EXPECT_TRUE(GridEquals(game->field, one));
}

TEST_F(HistoryTest, TheWinIsAnnouncedOnceAcrossUndoAndRedo) {
  FieldAfterLaying(kPieceCount);
  Undo(*game, platform);
  Redo(*game, platform);
  Undo(*game, platform);
  Lay(kDefaultFigureSolution.back());
  EXPECT_TRUE(AllPiecesOnField(*game));
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(HistoryTest, ACubeToggledInCreateModeIsUndoneAndANewPuzzleForgetsTheSteps) {
  FieldAfterLaying(1);
  CreatePuzzle(*game, platform, CreateMode::ByCubes);
  EXPECT_FALSE(CanUndo(*game));
  Click(2, 3);
  Undo(*game, platform);
  EXPECT_EQ(CountCells(game->field), 0);
  StartPuzzle(*game, platform, game->figure);
  EXPECT_FALSE(CanRedo(*game));
}

}  // namespace
}  // namespace kelvane::testing
