// SPDX-License-Identifier: GPL-3.0-or-later
// Piece numbers on the top faces of cubes: a cue beside colour, for players who cannot tell two
// piece colours apart.
#pragma once

#include "model/game.h"
#include "render/surface.h"

namespace kelvane {

// Draws the digit (1…7) upright and centred on `centre`, sized for the top face of a cube of
// geometry `g`: an anti-aliased dark stroke inside a light halo, so it reads on every colour.
void DrawPieceNumber(Surface& target, Point centre, int digit, CubeGeometry g);

}  // namespace kelvane
