// Finding the rotations of the Figure's box under which a position looks the same.
#include "analysis/figure_symmetry.h"

#include <algorithm>
#include <optional>

namespace kelvane {

namespace {

// A rotation as a signed permutation of the axes: new axis i takes old axis from[i], reversed
// when flip[i].
struct Rotation {
  std::array<int, 3> from;
  std::array<bool, 3> flip;
};

// The 24 rotations: the signed permutations whose determinant is +1.
std::vector<Rotation> Rotations() {
  std::vector<Rotation> rotations;
  std::array<int, 3> from{0, 1, 2};
  do {
    const bool evenPermutation = (from[0] == 0) + (from[1] == 1) + (from[2] == 2) != 1;
    for (int flips = 0; flips < 8; ++flips) {
      const std::array<bool, 3> flip{(flips & 1) != 0, (flips & 2) != 0, (flips & 4) != 0};
      const bool evenFlips = (flip[0] + flip[1] + flip[2]) % 2 == 0;
      if (evenPermutation == evenFlips) {
        rotations.push_back({from, flip});
      }
    }
  } while (std::next_permutation(from.begin(), from.end()));
  return rotations;
}

bool Before(const CellSet& a, const CellSet& b) {
  return a.high != b.high ? a.high < b.high : a.low < b.low;
}

// The turn of the free cells, or nothing when the rotation does not map them onto themselves.
std::optional<CellTurn> TurnOf(const Rotation& rotation, const PlacementTable& table, Extents box,
                               const std::array<int, kGridCells>& cellAt) {
  const std::array<int, 3> size{box.x, box.y, box.z};
  for (int axis = 0; axis < 3; ++axis) {
    if (size[rotation.from[axis]] != size[axis]) {
      return std::nullopt;
    }
  }
  CellTurn turn;
  for (int cell = 0; cell < table.cellCount; ++cell) {
    const int index = table.gridIndex[cell];
    const std::array<int, 3> old{index % kGridSize, index / kGridSize % kGridSize,
                                 index / (kGridSize * kGridSize)};
    std::array<int, 3> now;
    for (int axis = 0; axis < 3; ++axis) {
      const int c = old[rotation.from[axis]];
      now[axis] = rotation.flip[axis] ? size[axis] - 1 - c : c;
    }
    const int image = cellAt[CellGrid::Index(now[0], now[1], now[2])];
    if (image < 0) {
      return std::nullopt;
    }
    turn.to[cell] = static_cast<std::uint8_t>(image);
  }
  return turn;
}

}  // namespace

CellSet CellTurn::Apply(const CellSet& cells) const {
  CellSet image;
  ForEachCell(cells, [&](int cell) { image |= CellSet::Single(to[cell]); });
  return image;
}

std::vector<CellTurn> PlacementSymmetries(const PlacementTable& table, Extents box) {
  std::array<std::vector<CellSet>, kPieceCount> sorted;
  for (int e = 0; e < table.pieces.count; ++e) {
    sorted[e] = table.placements[e];
    std::ranges::sort(sorted[e], Before);
  }
  std::array<int, kGridCells> cellAt;
  cellAt.fill(-1);
  for (int cell = 0; cell < table.cellCount; ++cell) {
    cellAt[table.gridIndex[cell]] = cell;
  }
  std::vector<CellTurn> turns;
  for (const Rotation& rotation : Rotations()) {
    const std::optional<CellTurn> turn = TurnOf(rotation, table, box, cellAt);
    bool keepsPlacements = turn.has_value();
    for (int e = 0; e < table.pieces.count && keepsPlacements; ++e) {
      for (const CellSet& placement : table.placements[e]) {
        if (!std::ranges::binary_search(sorted[e], turn->Apply(placement), Before)) {
          keepsPlacements = false;
          break;
        }
      }
    }
    if (keepsPlacements) {
      turns.push_back(*turn);
    }
  }
  return turns;
}

}  // namespace kelvane
