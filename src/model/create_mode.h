// SPDX-License-Identifier: GPL-3.0-or-later
// The two ways of creating a figure, and the test for the one in which clicks toggle cubes.
#pragma once

#include "model/game.h"

namespace kelvane {

// Values of Game::creationKind while Game::createMode is 1.
inline constexpr int kCreationByCubes = 0;  // also after an import
inline constexpr int kCreationByPieces = 1;

inline bool InCreateByCubesMode(const Game& game) {
  return game.createMode == 1 && game.creationKind == kCreationByCubes;
}

}  // namespace kelvane
