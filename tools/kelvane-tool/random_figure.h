// SPDX-License-Identifier: GPL-3.0-or-later
// Random connected figures for the generator: grown cube by cube, the same for the same seed.
#pragma once

#include <cstdint>
#include <string>

#include "model/cell_grid.h"

namespace kelvane::tool {

// A generator of the project's own (xorshift), so that a seed gives the same figures with every
// standard library.
class FigureRandom {
 public:
  explicit FigureRandom(std::uint64_t seed) : state_(seed * 2 + 1) {}
  // A number in 0 … bound-1 (bound > 0).
  int Below(int bound);

 private:
  std::uint64_t state_;
};

// `cubes` cubes joined face to face inside a box of `maxSize`, grown from a random cube by
// adding a random free face neighbour at a time; normalised to the origin. The box must hold
// `cubes` cells.
CellGrid RandomFigure(FigureRandom& random, int cubes, Extents maxSize);

// The same text for a figure and every turn or mirror image of it.
std::string FigureShapeKey(const CellGrid& figure);

}  // namespace kelvane::tool
