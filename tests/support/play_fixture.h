// SPDX-License-Identifier: GPL-3.0-or-later
// A game in play on the default figure, driven through the recording platform like a player would.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "model/field_input.h"
#include "model/game.h"
#include "model/orientation.h"
#include "support/default_solution.h"
#include "support/fake_platform.h"
#include "support/test_game.h"

namespace kelvane::testing {

class PlayTest : public ::testing::Test {
 protected:
  void Select(int item) { platform.selection = item; }
  void Click(int x, int y) { FieldClick(*game, platform, FloorCell{x, y}); }
  void ClickOffTheField() { FieldClick(*game, platform, std::nullopt); }

  // Selects the piece, turns it to the slot, goes to the layer and clicks its cell.
  void Lay(const Placement& p) {
    Select(p.piece);
    game->pieceGrids[p.piece - 1] = OrientationSlot(*game, p.piece - 1, p.slot);
    game->currentLayer = p.layer;
    Click(p.x, p.y);
  }

  void LayAllButLast() {
    for (int i = 0; i + 1 < kPieceCount; ++i) {
      Lay(kDefaultFigureSolution[i]);
    }
  }

  std::unique_ptr<Game> game = NewInitialisedGame();
  FakePlatform platform;
};

}  // namespace kelvane::testing
