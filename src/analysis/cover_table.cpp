// SPDX-License-Identifier: GPL-3.0-or-later
// Numbering the free cells and listing every placement of every piece still to lay.
#include "analysis/cover_table.h"

#include <algorithm>
#include <bit>

#include "analysis/piece_shapes.h"

namespace kelvane {

namespace {

// The free cells' numbers on a grid of the box with two cells of margin all round: a piece laid
// with its first cube inside reaches at most two cells past it, so no placement needs a bounds
// check.
struct PaddedNumbers {
  static constexpr int kMargin = 2;
  static constexpr int kSide = kGridSize + 2 * kMargin;
  int strideY = 0;
  int strideZ = 0;
  std::array<std::int16_t, kSide * kSide * kSide> number;
  // Each free cell's index in `number`.
  std::vector<int> at;

  template <typename Set>
  PaddedNumbers(const BasicCoverTable<Set>& table, Extents box)
      : strideY(box.x + 2 * kMargin), strideZ(strideY * (box.y + 2 * kMargin)) {
    number.fill(kNoCell);
    at.resize(table.cellCount);
    for (int cell = 0; cell < table.cellCount; ++cell) {
      const int index = table.gridIndex[cell];
      at[cell] = Step({index % kGridSize + kMargin, index / kGridSize % kGridSize + kMargin,
                       index / (kGridSize * kGridSize) + kMargin});
      number[at[cell]] = static_cast<std::int16_t>(cell);
    }
  }
  int Step(Offset d) const { return d.x + strideY * d.y + strideZ * d.z; }
};

// Each orientation laid with its first cube on each free cell in turn: the other cubes are
// steps from it.
template <typename Set>
void AddPlacements(BasicCoverTable<Set>& table, int entry, const PaddedNumbers& padded) {
  for (const PieceOrientation& shape : PieceOrientations()[table.piece[entry]]) {
    const Offset& first = shape.cubes[0];
    std::array<int, 4> step{};
    for (int i = 1; i < shape.cubeCount; ++i) {
      step[i] = padded.Step(
          {shape.cubes[i].x - first.x, shape.cubes[i].y - first.y, shape.cubes[i].z - first.z});
    }
    for (int cell = 0; cell < table.cellCount; ++cell) {
      Set placement = Set::Single(cell);
      bool fits = true;
      for (int i = 1; i < shape.cubeCount && fits; ++i) {
        const int number = padded.number[padded.at[cell] + step[i]];
        fits = number != kNoCell;
        placement |= Set::Single(fits ? number : cell);
      }
      if (fits) {
        table.placements[entry].push_back(placement);
      }
    }
  }
}

}  // namespace

template <typename Set>
std::optional<BasicCoverTable<Set>> BuildCoverTable(const CellGrid& figure, const CellGrid& field) {
  BasicCoverTable<Set> table;
  const Extents box = GridExtents(figure);
  CellNumbers cellNumber;
  if (!NumberFreeCells(figure, field, box, table, cellNumber)) {
    return std::nullopt;
  }
  std::array<bool, kPieceCount> laid{};
  for (const std::int8_t value : field.cells) {
    if (value >= PieceCellValue(0) && value < PieceCellValue(kPieceCount)) {
      laid[value - PieceCellValue(0)] = true;
    }
  }
  for (int k = 0; k < kPieceCount; ++k) {
    if (!laid[k]) {
      table.piece[table.entryCount] = k;
      table.cubes[table.entryCount++] = PieceCubeCount(k);
    }
  }
  for (unsigned mask = 1; mask < table.cubesOf.size(); ++mask) {
    table.cubesOf[mask] = table.cubesOf[mask & (mask - 1)] + table.cubes[std::countr_zero(mask)];
  }
  const PaddedNumbers padded(table, box);
  for (int e = 0; e < table.entryCount; ++e) {
    AddPlacements(table, e, padded);
  }
  constexpr std::array<int, 6> kSteps{
      1, -1, kGridSize, -kGridSize, kGridSize * kGridSize, -kGridSize * kGridSize};
  table.neighbours.resize(table.cellCount);
  for (int cell = 0; cell < table.cellCount; ++cell) {
    for (int step : kSteps) {
      const int index = table.gridIndex[cell] + step;
      if (index >= 0 && index < kGridCells && cellNumber[index] != kNoCell) {
        table.neighbours[cell] |= Set::Single(cellNumber[index]);
      }
    }
  }
  return table;
}

template <typename Set>
BasicCoverLists<Set> ListCovers(const BasicCoverTable<Set>& table) {
  BasicCoverLists<Set> lists;
  lists.coverBegin.assign(static_cast<std::size_t>(table.cellCount) * kPieceCount + 1, 0);
  for (int e = 0; e < table.entryCount; ++e) {
    for (const Set& placement : table.placements[e]) {
      ForEachCell(placement, [&](int cell) { ++lists.coverBegin[cell * kPieceCount + e + 1]; });
    }
  }
  for (std::size_t i = 1; i < lists.coverBegin.size(); ++i) {
    lists.coverBegin[i] += lists.coverBegin[i - 1];
  }
  lists.covers.resize(lists.coverBegin.back());
  std::vector<int> next(lists.coverBegin.begin(), lists.coverBegin.end() - 1);
  for (int e = 0; e < table.entryCount; ++e) {
    for (const Set& placement : table.placements[e]) {
      ForEachCell(placement,
                  [&](int cell) { lists.covers[next[cell * kPieceCount + e]++] = placement; });
    }
  }
  return lists;
}

template <typename Set>
std::vector<BasicTableSymmetry<Set>> TableSymmetries(const BasicCoverTable<Set>& table,
                                                     const CellGrid& figure,
                                                     const std::vector<Symmetry>& symmetries) {
  const Extents box = GridExtents(figure);
  CellNumbers cellNumber;
  cellNumber.fill(kNoCell);
  for (int cell = 0; cell < table.cellCount; ++cell) {
    cellNumber[table.gridIndex[cell]] = static_cast<std::int16_t>(cell);
  }
  std::array<int, kPieceCount> entryOf{};
  for (int e = 0; e < table.entryCount; ++e) {
    entryOf[table.piece[e]] = e;
  }
  std::vector<BasicTableSymmetry<Set>> maps;
  for (const Symmetry& symmetry : symmetries) {
    BasicTableSymmetry<Set> map;
    for (int cell = 0; cell < table.cellCount; ++cell) {
      map.to[cell] =
          static_cast<std::uint16_t>(cellNumber[symmetry.Apply(table.gridIndex[cell], box)]);
    }
    for (int e = 0; e < table.entryCount; ++e) {
      map.entry[e] = entryOf[symmetry.PieceImage(table.piece[e])];
    }
    maps.push_back(map);
  }
  return maps;
}

template std::optional<CoverTable> BuildCoverTable(const CellGrid&, const CellGrid&);
template std::optional<BasicCoverTable<WideCellSet>> BuildCoverTable(const CellGrid&,
                                                                     const CellGrid&);
template BasicCoverLists<CellSet> ListCovers(const CoverTable&);
template BasicCoverLists<WideCellSet> ListCovers(const BasicCoverTable<WideCellSet>&);
template std::vector<TableSymmetry> TableSymmetries(const CoverTable&, const CellGrid&,
                                                    const std::vector<Symmetry>&);
template std::vector<BasicTableSymmetry<WideCellSet>> TableSymmetries(
    const BasicCoverTable<WideCellSet>&, const CellGrid&, const std::vector<Symmetry>&);

}  // namespace kelvane
