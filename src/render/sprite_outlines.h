// SPDX-License-Identifier: GPL-3.0-or-later
// Outlines that stay a crisp line after a sheet is shrunk, so neighbouring cubes of one colour
// never merge.
#pragma once

#include <array>

#include "model/game.h"
#include "render/surface.h"

namespace kelvane {

// The outline colour of every sprite of a sheet as stored, by colour index 0…8, normal and lighter.
using OutlineColours = std::array<std::array<Pixel, 2>, 9>;
OutlineColours ReadOutlineColours(const Surface& storedSheet);

// Redraws, in a sheet shrunk for geometry `g`, the outermost pixels of each sprite that the cube
// outline keeps, in that sprite's outline colour: averaging leaves them a blur of outline and face.
void RedrawOutlines(Surface& shrunkSheet, CubeGeometry g, const OutlineColours& colours);

}  // namespace kelvane
