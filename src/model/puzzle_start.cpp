// SPDX-License-Identifier: GPL-3.0-or-later
// Starting play on a new target figure.
#include "model/puzzle_start.h"

#include "model/command_states.h"
#include "model/game.h"
#include "model/move_history.h"
#include "model/play_tally.h"

namespace kelvane {

void StartPuzzle(Game& game, Platform& platform, CellGrid figure) {
  RecordPuzzleChange(game, platform);
  game.createMode = 0;
  game.field.Clear();
  game.figure = figure;
  game.currentLayer = 0;
  game.shownLayers = GridExtents(game.figure).z;
  game.hideFlags.fill(0);
  platform.FitWindow();
  platform.ResetPanel();
  UpdateCommandStates(game, platform);
  game.winAnnouncement = 1;
  BeginNewTally(game);
}

}  // namespace kelvane
