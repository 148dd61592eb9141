// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the turns and mirror images of a figure's box under which a position looks the same.
#include "analysis/figure_symmetry.h"

#include <algorithm>

#include "model/pieces.h"

namespace kelvane {

namespace {

// Mirror images exchange these two piece indices (pieces 4 and 5).
inline constexpr int kLeftScrew = 3;
inline constexpr int kRightScrew = 4;

std::array<Symmetry, 48> MakeSymmetries() {
  std::array<Symmetry, 48> all;
  int turns = 0;
  int mirrors = 24;
  std::array<int, 3> from{0, 1, 2};
  do {
    const bool evenPermutation = (from[0] == 0) + (from[1] == 1) + (from[2] == 2) != 1;
    for (int flips = 0; flips < 8; ++flips) {
      const std::array<bool, 3> flip{(flips & 1) != 0, (flips & 2) != 0, (flips & 4) != 0};
      const bool evenFlips = (flip[0] + flip[1] + flip[2]) % 2 == 0;
      const bool mirror = evenPermutation != evenFlips;
      all[mirror ? mirrors++ : turns++] = Symmetry{from, flip, mirror};
    }
  } while (std::next_permutation(from.begin(), from.end()));
  return all;
}

bool KeepsBox(const Symmetry& symmetry, Extents size) {
  const std::array<int, 3> length{size.x, size.y, size.z};
  for (int axis = 0; axis < 3; ++axis) {
    if (length[symmetry.from[axis]] != length[axis]) {
      return false;
    }
  }
  return true;
}

// True when every cell of the box holding a value (after the value map) lands on that value.
bool Maps(const Symmetry& symmetry, Extents size, const CellGrid& figure, const CellGrid& field) {
  for (int z = 0; z < size.z; ++z) {
    for (int y = 0; y < size.y; ++y) {
      for (int x = 0; x < size.x; ++x) {
        const int index = CellGrid::Index(x, y, z);
        const int image = symmetry.Apply(index, size);
        if ((figure.cells[index] != 0) != (figure.cells[image] != 0) ||
            symmetry.ValueImage(field.cells[index]) != field.cells[image]) {
          return false;
        }
      }
    }
  }
  return true;
}

}  // namespace

int Symmetry::Apply(int index, Extents size) const {
  const std::array<int, 3> old{index % kGridSize, index / kGridSize % kGridSize,
                               index / (kGridSize * kGridSize)};
  const std::array<int, 3> length{size.x, size.y, size.z};
  std::array<int, 3> now;
  for (int axis = 0; axis < 3; ++axis) {
    const int c = old[from[axis]];
    now[axis] = flip[axis] ? length[axis] - 1 - c : c;
  }
  return CellGrid::Index(now[0], now[1], now[2]);
}

int Symmetry::PieceImage(int pieceIndex) const {
  if (!mirror) {
    return pieceIndex;
  }
  return pieceIndex == kLeftScrew    ? kRightScrew
         : pieceIndex == kRightScrew ? kLeftScrew
                                     : pieceIndex;
}

int Symmetry::ValueImage(int value) const {
  const int first = PieceCellValue(0);
  if (value < first || value >= first + kPieceCount) {
    return value;
  }
  return PieceCellValue(PieceImage(value - first));
}

const std::array<Symmetry, 48>& AllSymmetries() {
  static const std::array<Symmetry, 48> all = MakeSymmetries();
  return all;
}

std::vector<Symmetry> FigureSymmetries(const CellGrid& figure) {
  return PositionSymmetries(figure, CellGrid{});
}

std::vector<Symmetry> PositionSymmetries(const CellGrid& figure, const CellGrid& field) {
  const Extents size = GridExtents(figure);
  std::vector<Symmetry> symmetries{AllSymmetries()[0]};
  if (size.x == 0) {
    return symmetries;
  }
  symmetries.clear();
  for (const Symmetry& symmetry : AllSymmetries()) {
    if (KeepsBox(symmetry, size) && Maps(symmetry, size, figure, field)) {
      symmetries.push_back(symmetry);
    }
  }
  return symmetries;
}

}  // namespace kelvane
