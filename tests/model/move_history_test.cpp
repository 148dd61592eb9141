// SPDX-License-Identifier: GPL-3.0-or-later
// Undo, Redo and Restart puzzle, played like a session.
#include "model/move_history.h"

#include <algorithm>
#include <utility>

#include "analysis/analyse.h"
#include "creation/create_puzzle.h"
#include "model/command_ids.h"
#include "model/placement.h"
#include "model/puzzle_start.h"
#include "model/view_turn.h"
#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

CellGrid LoneCube() {
  CellGrid figure;
  figure.at(0, 0, 0) = kPlainCube;
  return figure;
}

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

TEST_F(HistoryTest, ShowAllAndRestartAreUndoneInOneStep) {
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
}

// Each way of leaving a puzzle is one step: the puzzle comes back whole, its clock as it was
// left, and Redo goes forward to the other puzzle with its own move.
TEST_F(HistoryTest, AnotherPuzzleOrCreateModeIsOneStepThatBringsThePuzzleBackWhole) {
  struct Change {
    const char* name;
    void (*run)(Game&, FakePlatform&);
    int createMode;
  };
  const Change changes[] = {
      {"new game",
       [](Game& g, FakePlatform& p) { StartPuzzle(g, p, NewInitialisedGame()->figure); }, 0},
      {"by cubes", [](Game& g, FakePlatform& p) { CreatePuzzle(g, p, CreateMode::ByCubes); }, 1},
      {"by pieces", [](Game& g, FakePlatform& p) { CreatePuzzle(g, p, CreateMode::ByPieces); }, 1},
      {"import",
       [](Game& g, FakePlatform& p) {
         p.clipboard = "111/111/111\r\n111/111/111\r\n111/111/111\r\n";
         CreatePuzzle(g, p, CreateMode::Import);
       },
       1},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.name);
    game = NewInitialisedGame();
    platform = FakePlatform{};
    laid = 0;
    game->play.puzzleName = "Alpha";
    platform.nowMs = 1000;
    const CellGrid one = LayNext();
    platform.nowMs = 4000;
    LayNext();
    HidePiece(*game, platform, 5);
    RotateView(*game, platform, +1);
    game->currentLayer = 1;
    game->shownLayers = 2;
    const Game before = *game;

    platform.nowMs = 9000;
    change.run(*game, platform);
    ASSERT_EQ(game->createMode, change.createMode);
    const CellGrid otherStart = game->field;
    Lay(kDefaultFigureSolution[0]);  // a move in the other puzzle: a piece, or a cube toggled
    const CellGrid otherField = game->field;
    ASSERT_FALSE(GridEquals(otherField, otherStart));
    platform.nowMs = 60000;
    Undo(*game, platform);
    Undo(*game, platform);

    EXPECT_EQ(game->createMode, 0);
    EXPECT_TRUE(GridEquals(game->figure, before.figure));
    EXPECT_TRUE(GridEquals(game->field, before.field));
    EXPECT_EQ(game->hideFlags, before.hideFlags);
    EXPECT_EQ(game->history.viewTurns, before.history.viewTurns);
    EXPECT_EQ(std::pair(game->currentLayer, game->shownLayers), std::pair(1, 2));
    EXPECT_EQ(game->play.puzzleName, "Alpha");
    EXPECT_EQ(game->play.moves, 2);
    EXPECT_EQ(ElapsedMs(game->play.clock, platform.nowMs), 8000);  // not the time spent away
    EXPECT_TRUE(game->play.clock.runningSince.has_value());
    Undo(*game, platform);  // and on into the puzzle's own moves
    EXPECT_EQ(CountCells(game->field), CountCells(one));

    Redo(*game, platform);
    Redo(*game, platform);
    EXPECT_EQ(game->createMode, change.createMode);
    EXPECT_EQ(game->play.puzzleName, "");
    Redo(*game, platform);
    EXPECT_TRUE(GridEquals(game->field, otherField));
    EXPECT_FALSE(CanRedo(*game));
  }
  for (int i = 0; i < kPuzzleChangesKept + 5; ++i) {
    StartPuzzle(*game, platform, LoneCube());
  }
  EXPECT_EQ(std::ranges::count_if(game->history.undo,
                                  [](const HistoryStep& s) { return s.puzzle != nullptr; }),
            kPuzzleChangesKept);
}

}  // namespace
}  // namespace kelvane::testing
