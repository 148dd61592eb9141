// SPDX-License-Identifier: GPL-3.0-or-later
// What the player has spent on the puzzle in play: its name, the clock, the moves and the hints,
// and how a win compared with the puzzle's bests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/play_clock.h"
#include "model/puzzle_bests.h"

namespace kelvane {

struct Game;
class Platform;

// Why the shell holds the clock, as bits: the player is elsewhere, or a dialog is open.
enum ClockPause : unsigned {
  kPauseWindowInactive = 1,
  kPauseDialogOpen = 2,
};

struct PlayTally {
  // The puzzle file's name without ".kvp"; empty for the start figure, which has no file.
  std::string puzzleName;
  PlayClock clock;
  int moves = 0;
  int hints = 0;
  bool won = false;
  // The puzzle's bests as they stood before this win; nothing when it was the first.
  std::optional<PuzzleBest> bestBefore;
  unsigned pauses = 0;
};

// A lay, a pick-up, Remove piece, Undo or Redo in play; the first one starts the clock.
void CountMove(Game& game, Platform& platform);
void CountHint(Game& game);

// Lets the clock run exactly while the player is on a puzzle begun by a move, not yet won, not
// looking at a completed Field (a solution shown, the browser) and not held by the shell.
void SettleClock(Game& game, Platform& platform);
void SetClockPause(Game& game, Platform& platform, ClockPause reason, bool paused);

// The seventh piece is laid: the clock stops at once, before the congratulation.
void StopClockAtWin(Game& game, Platform& platform);
// At the win, before its congratulation: the win counts and the puzzle's bests take it in.
void RecordWin(Game& game);

// Another puzzle or a create mode: nothing spent on it yet; the shell's pauses stay.
void BeginNewTally(Game& game);

// Restart puzzle: the clock and the moves go back to zero; the name and the hints stay.
void RestartTally(Game& game);

}  // namespace kelvane
