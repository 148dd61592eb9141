// SPDX-License-Identifier: GPL-3.0-or-later
// The exact cells of the seven pieces.
#include "model/pieces.h"

#include <array>

namespace kelvane {

namespace {

struct Cube {
  int x, y, z;
};

struct PieceShape {
  int cubeCount;
  std::array<Cube, 4> cubes;
};

// Pieces 4 and 5 are mirror images (swap x and y): no turn maps one onto the other.
constexpr std::array<PieceShape, kPieceCount> kShapes{{
    {4, {{{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {0, 0, 2}}}},
    {4, {{{0, 0, 0}, {0, 0, 1}, {0, 0, 2}, {1, 0, 1}}}},
    {4, {{{0, 0, 0}, {0, 0, 1}, {1, 0, 1}, {1, 0, 2}}}},
    {4, {{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 1, 1}}}},
    {4, {{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 0, 1}}}},
    {4, {{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
    {3, {{{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {0, 0, 0}}}},
}};

}  // namespace

void LayBasePiece(int pieceIndex, CellGrid& grid) {
  grid.Clear();
  const PieceShape& shape = kShapes[pieceIndex];
  for (int i = 0; i < shape.cubeCount; ++i) {
    const Cube& c = shape.cubes[i];
    grid.at(c.x, c.y, c.z) = PieceCellValue(pieceIndex);
  }
}

int PieceCubeCount(int pieceIndex) {
  return kShapes[pieceIndex].cubeCount;
}

}  // namespace kelvane
