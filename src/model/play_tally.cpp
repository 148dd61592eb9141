// SPDX-License-Identifier: GPL-3.0-or-later
// Counting moves and hints and running the clock by the state of play.
#include "model/play_tally.h"

#include "model/game.h"
#include "model/placement.h"
#include "model/platform.h"
#include "model/solved_puzzles.h"

namespace kelvane {

void CountMove(Game& game, Platform& platform) {
  if (game.createMode != 0 || game.play.won) {
    return;
  }
  ++game.play.moves;
  SettleClock(game, platform);
}

void CountHint(Game& game) {
  ++game.play.hints;
}

void SettleClock(Game& game, Platform& platform) {
  const PlayTally& play = game.play;
  const bool running = game.createMode == 0 && play.moves > 0 && !play.won && play.pauses == 0 &&
                       !AllPiecesOnField(game);
  RunClock(game.play.clock, running, platform.Milliseconds());
}

void SetClockPause(Game& game, Platform& platform, ClockPause reason, bool paused) {
  game.play.pauses = paused ? game.play.pauses | reason : game.play.pauses & ~reason;
  SettleClock(game, platform);
}

void StopClockAtWin(Game& game, Platform& platform) {
  StopClock(game.play.clock, platform.Milliseconds());
}

void RecordWin(Game& game) {
  PlayTally& play = game.play;
  play.won = true;
  play.bestBefore = BestOf(game.bests, game.figure);
  KeepBest(game.bests, FigureKey(game.figure), {play.clock.elapsedMs, play.moves});
}

void BeginNewTally(Game& game) {
  const unsigned pauses = game.play.pauses;
  game.play = PlayTally{};
  game.play.pauses = pauses;
}

void RestartTally(Game& game) {
  game.play.clock = {};
  game.play.moves = 0;
  game.play.won = false;
  game.play.bestBefore.reset();
}

}  // namespace kelvane
