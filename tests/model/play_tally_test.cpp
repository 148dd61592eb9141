// SPDX-License-Identifier: GPL-3.0-or-later
// The clock, the moves and hints, the bests and the status line that words them.
#include "model/play_tally.h"

#include "analysis/analyse.h"
#include "model/layers.h"
#include "model/move_history.h"
#include "model/placement.h"
#include "model/puzzle_start.h"
#include "model/status_line.h"
#include "model/view_turn.h"
#include "storage/bests_file.h"
#include "storage/scoped_temp_dir.h"
#include "storage/text_file.h"
#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

class TallyTest : public PlayTest {
 protected:
  void Wait(std::int64_t ms) { platform.nowMs += ms; }
  std::int64_t Clock() const { return ElapsedMs(game->play.clock, platform.nowMs); }
  std::string Status(FigureTier tier = {false, "Medium"}) const {
    return StatusLineText(*game, tier, platform.nowMs);
  }
  // Lays the whole solution, the first piece `before` ms after now, the rest `gap` ms apart.
  void Solve(std::int64_t before, std::int64_t gap = 1000) {
    Wait(before);
    for (const Placement& p : kDefaultFigureSolution) {
      Lay(p);
      Wait(gap);
    }
  }
};

TEST_F(TallyTest, TheClockStartsWithTheFirstMoveStandsWhileHeldAndStopsAtTheWin) {
  Wait(5000);
  Select(1);
  TurnSelectedPiece(*game, platform, 'X');
  SettleClock(*game, platform);
  EXPECT_EQ(Clock(), 0) << "turning a piece starts nothing";
  Lay(kDefaultFigureSolution[0]);
  Wait(2000);
  for (const ClockPause pause : {kPauseDialogOpen, kPauseWindowInactive}) {
    SetClockPause(*game, platform, pause, true);
    Wait(60'000);
    EXPECT_EQ(Clock(), 2000) << pause;
    SetClockPause(*game, platform, pause, false);
  }
  AnalysePuzzle(*game, platform, AnalyseMode::ShowAll);  // unanswered: No
  platform.answers = {MessageAnswer::Yes};
  AnalysePuzzle(*game, platform, AnalyseMode::ShowAll);
  SettleClock(*game, platform);
  Wait(60'000);
  EXPECT_EQ(Clock(), 2000) << "a solution shown holds the clock";
  Undo(*game, platform);
  Wait(1000);
  EXPECT_EQ(Clock(), 3000);
  EXPECT_EQ(game->play.moves, 2);

  StartPuzzle(*game, platform, game->figure);
  Solve(10'000);
  EXPECT_EQ(Clock(), 6000) << "from the first lay to the seventh";
  EXPECT_EQ(Status(), "Default figure · Medium · Solved in 0:06 · 7 moves · new best");
  for (const auto& [next, part] : {std::pair{"Arch.kvp", " · Next: Arch (Ctrl+Shift+N)"},
                                   {"", " · Every library puzzle solved"}}) {
    EXPECT_EQ(StatusLineText(*game, {false, "Medium"}, platform.nowMs, next), Status() + part);
  }
}

TEST_F(TallyTest, MovesAndHintsAreCountedApartAndRestartZeroesTheClockAndMoves) {
  Lay(kDefaultFigureSolution[0]);
  const struct {
    const char* what;
    std::function<void()> act;
    int moves;
  } steps[] = {
      {"pick-up", [&] { Select(0), Click(0, 0); }, 2},
      {"undo", [&] { Undo(*game, platform); }, 3},
      {"redo", [&] { Redo(*game, platform); }, 4},
      {"lay", [&] { Lay(kDefaultFigureSolution[0]); }, 5},
      {"remove", [&] { RemoveSelectedPiece(*game, platform); }, 6},
      {"view turn", [&] { RotateView(*game, platform, 1); }, 6},
      {"layer", [&] { ChangeLayer(*game, platform, 1); }, 6},
      {"turn", [&] { TurnSelectedPiece(*game, platform, 'Y'); }, 6},
      {"hint", [&] { AnalysePuzzle(*game, platform, AnalyseMode::Hint); }, 6},
  };
  for (const auto& step : steps) {
    Wait(1000);
    step.act();
    EXPECT_EQ(game->play.moves, step.moves) << step.what;
  }
  EXPECT_EQ(Status(), "Well · Medium · 1 of 7 pieces laid · 0:09 · 6 moves · 1 hint");
  RestartPuzzle(*game, platform);
  EXPECT_EQ(Status({true, {}}), "Well · … · 0 of 7 pieces laid · 0:00 · 0 moves · 1 hint");
  game->extras.clockAndMoves = false;
  EXPECT_EQ(Status({false, {}}), "Well · 0 of 7 pieces laid");
  game->play.puzzleName = "caf\xE9";  // a Latin-1 file name shows its letters
  EXPECT_EQ(Status({false, {}}), "café · 0 of 7 pieces laid");
  game->play.puzzleName = "café";
  EXPECT_EQ(Status({false, {}}), "café · 0 of 7 pieces laid");
  game->settings.SCALE = 4;
  game->fieldGeometry.W = 3 * 9;  // drawn at scale 3 while SCALE's window does not fit the screen
  EXPECT_EQ(Status({false, {}}), "café · 0 of 7 pieces laid · Drawn at scale 3 to fit the screen");
}

TEST_F(TallyTest, BestsAreSetOnlyByAWinNeverGetWorseAndOutliveTheProgram) {
  Solve(0);
  EXPECT_EQ(BestOf(game->bests, game->figure), (PuzzleBest{6000, 7}));
  // Each win: whether it starts with a lay taken back (two more moves), then the pace.
  const struct {
    bool detour;
    std::int64_t before, gap;
    PuzzleBest best;
    const char* status;
  } wins[] = {
      {true, 1500, 1000, {6000, 7}, "Solved in 0:07 · 9 moves · best 0:06"},
      {false, 0, 1000, {6000, 7}, "Solved in 0:06 · 7 moves · best 0:06"},
      {false, 0, 500, {3000, 7}, "Solved in 0:03 · 7 moves · new best"},
      {true, 0, 100, {600, 7}, "Solved in 0:00 · 9 moves · new best"},
  };
  for (const auto& win : wins) {
    StartPuzzle(*game, platform, game->figure);
    if (win.detour) {
      Lay(kDefaultFigureSolution[0]);
      Undo(*game, platform);
    }
    Solve(win.before, win.gap);
    EXPECT_EQ(BestOf(game->bests, game->figure), win.best);
    EXPECT_EQ(Status(), std::string("Default figure · Medium · ") + win.status);
  }
  StartPuzzle(*game, platform, game->figure);
  LayAllButLast();
  AnalysePuzzle(*game, platform, AnalyseMode::Hint);
  EXPECT_EQ(BestOf(game->bests, game->figure), (PuzzleBest{600, 7})) << "a hint is no win";

  const std::optional<PuzzleBests> read = ParseBests(FormatBests(game->bests));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->byFigure, game->bests.byFigure);
  for (const char* damaged : {"Kelvane bests 2\r\n", "Kelvane bests 1\r\n6000 7\r\n",
                              "Kelvane bests 1\r\n-1 7 1 1 1 #\r\n"}) {
    EXPECT_FALSE(ParseBests(damaged)) << damaged;
  }
}

using BestsFile = InTemporaryDirectory;

TEST_F(BestsFile, BestsOutliveTheProgramAndADamagedFileIsSetAsideUntouched) {
  auto saved = NewInitialisedGame();
  KeepBest(saved->bests, FigureKey(saved->figure), {1000, 9});
  ReplaceFile(kBestsFileName, FormatBests(saved->bests));
  auto next = NewInitialisedGame();
  LoadBests(*next);
  EXPECT_EQ(next->bests.byFigure, saved->bests.byFigure);
  WriteFile("Bests.txt", "Kelvane bests 1\r\nbroken\r\n");
  LoadBests(*next);
  EXPECT_TRUE(next->bests.byFigure.empty());
  EXPECT_EQ(FileBytes("Bests.txt.bad"), "Kelvane bests 1\r\nbroken\r\n");
}

}  // namespace
}  // namespace kelvane::testing
