// SPDX-License-Identifier: GPL-3.0-or-later
// Fresh Game objects for tests.
#include "support/test_game.h"

#include "model/game_init.h"

namespace kelvane::testing {

std::unique_ptr<Game> NewBlankGame() {
  auto game = std::make_unique<Game>();
  // Motions wait for a clock the tests move by hand; the motion tests turn them on.
  game->extras.animation = false;
  return game;
}

std::unique_ptr<Game> NewInitialisedGame() {
  auto game = NewBlankGame();
  InitialiseGame(*game);
  return game;
}

}  // namespace kelvane::testing
