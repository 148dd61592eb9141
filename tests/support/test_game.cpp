// SPDX-License-Identifier: GPL-3.0-or-later
// Fresh Game objects for tests.
#include "support/test_game.h"

#include "model/game_init.h"

namespace kelvane::testing {

std::unique_ptr<Game> NewBlankGame() {
  return std::make_unique<Game>();
}

std::unique_ptr<Game> NewInitialisedGame() {
  auto game = NewBlankGame();
  InitialiseGame(*game);
  return game;
}

}  // namespace kelvane::testing
