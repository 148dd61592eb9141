// SPDX-License-Identifier: GPL-3.0-or-later
// Every orientation of each piece as cube offsets, built once for the counting searches.
#pragma once

#include <array>
#include <vector>

#include "model/pieces.h"

namespace kelvane {

struct Offset {
  int x, y, z;
};

// One orientation: its cubes shifted so that the smallest coordinates are 0, sorted by grid
// index (z outermost), so cube 0 is the one that lies lowest in the counters' cell order.
struct PieceOrientation {
  int cubeCount = 0;
  std::array<Offset, 4> cubes{};
};

// The distinct orientations of each piece index under the 24 turns (24, 12, 12, 12, 12, 8, 12);
// their order is this file's own and need not match the orientation menus.
const std::array<std::vector<PieceOrientation>, kPieceCount>& PieceOrientations();

}  // namespace kelvane
