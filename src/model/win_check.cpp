// SPDX-License-Identifier: GPL-3.0-or-later
// The congratulation when the seventh piece is laid.
#include "model/win_check.h"

#include <string_view>

#include "model/game.h"
#include "model/motion_timeline.h"
#include "model/placement.h"
#include "model/play_tally.h"
#include "model/solved_puzzles.h"

namespace kelvane {

void RunWinCheck(Game& game, Platform& platform) {
  const bool allPlaced = AllPiecesOnField(game);
  if (game.createMode != 0 || !allPlaced || game.winAnnouncement == 0) {
    return;
  }
  StopClockAtWin(game, platform);
  game.hideFlags.fill(0);
  platform.Invalidate(false);
  game.winAnnouncement = 0;
  MarkSolved(game);
  RecordWin(game);
  StartWinMotion(game, platform);
}

void AnnounceWin(Game& game, Platform& platform) {
  platform.ShowMessage(platform.Word(kWinMessage), game.ProductName.data(),
                       MessageStyle::Information);
  platform.PlaySoundAsync(kVictorySound);
}

}  // namespace kelvane
