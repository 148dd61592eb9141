// SPDX-License-Identifier: GPL-3.0-or-later
// Fresh Game objects for tests: each test owns its own, on the heap because a Game is large.
#pragma once

#include <memory>

#include "model/game.h"

namespace kelvane::testing {

// An all-zero Game, as at process start, but with the Animation option off.
std::unique_ptr<Game> NewBlankGame();

// A Game after window creation: default figure, pieces, orientation tables, in play.
std::unique_ptr<Game> NewInitialisedGame();

}  // namespace kelvane::testing
