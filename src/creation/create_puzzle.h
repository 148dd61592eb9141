// SPDX-License-Identifier: GPL-3.0-or-later
// The three create modes, and the check a created figure must pass before it is saved.
#pragma once

#include "model/game.h"
#include "model/platform.h"

namespace kelvane {

enum class CreateMode { ByCubes, ByPieces, Import };

// Switches to create mode over a 10×10×10 working Figure. ByCubes and ByPieces start from an
// empty Field on layer 0; Import puts the clipboard's figure on the Field as plain cubes, on
// its top layer, to be edited as cubes. A failed import changes nothing. The piece panel is
// reset, the window fitted and repainted; the caller refreshes the command states. One Undo
// brings back the puzzle it replaced.
void CreatePuzzle(Game& game, Platform& platform, CreateMode mode);

// By cubes: the Field must hold exactly 27 cubes ("Number of cubes must be 27 (now is %d).").
// By pieces: all seven pieces must be on the Field ("Please put all pieces on game field.").
// Shows the reason and returns false when the figure may not be saved yet.
bool ValidateCreatedFigure(const Game& game, Platform& platform);

}  // namespace kelvane
