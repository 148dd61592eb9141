// SPDX-License-Identifier: GPL-3.0-or-later
// One completion of the default figure, shared by the core's and the window's play tests.
#pragma once

#include <array>

#include "model/pieces.h"

namespace kelvane::testing {

// Where each piece goes: the orientation slot, and the floor cell and layer of its origin corner.
struct Placement {
  int piece;
  int slot;
  int x, y, layer;
};

inline constexpr std::array<Placement, kPieceCount> kDefaultFigureSolution{{
    {1, 0, 0, 0, 0},
    {2, 3, 2, 1, 0},
    {3, 5, 1, 2, 0},
    {4, 4, 0, 1, 1},
    {5, 5, 1, 0, 0},
    {6, 3, 0, 1, 0},
    {7, 10, 1, 0, 2},
}};

}  // namespace kelvane::testing
