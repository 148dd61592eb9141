// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue of the seven pieces: 27 cubes in all.
#pragma once

#include <cstdint>

#include "model/cell_grid.h"

namespace kelvane {

inline constexpr int kPieceCount = 7;

// Piece index k (0…6) is piece number k+1 and carries cell value k+2.
constexpr std::int8_t PieceCellValue(int pieceIndex) {
  return static_cast<std::int8_t>(pieceIndex + 2);
}

// Lays the base shape of piece `pieceIndex` into `grid` (cleared first), normalised.
void LayBasePiece(int pieceIndex, CellGrid& grid);

// Number of cubes of each piece: six of four and one of three.
int PieceCubeCount(int pieceIndex);

}  // namespace kelvane
