// SPDX-License-Identifier: GPL-3.0-or-later
// Numbering the free cells and listing every placement of every piece still to lay.
#include "analysis/cover_table.h"

#include <bit>

#include "analysis/piece_shapes.h"

namespace kelvane {

namespace {

void AddPlacements(CoverTable& table, int entry, Extents box, const CellNumbers& cellNumber) {
  for (const PieceOrientation& shape : PieceOrientations()[table.piece[entry]]) {
    const Offset& first = shape.cubes[0];
    for (int cell = 0; cell < table.cellCount; ++cell) {
      const int index = table.gridIndex[cell];
      const int ox = index % kGridSize - first.x;
      const int oy = index / kGridSize % kGridSize - first.y;
      const int oz = index / (kGridSize * kGridSize) - first.z;
      CellSet placement;
      bool fits = true;
      for (int i = 0; i < shape.cubeCount && fits; ++i) {
        const int x = ox + shape.cubes[i].x;
        const int y = oy + shape.cubes[i].y;
        const int z = oz + shape.cubes[i].z;
        fits = x >= 0 && y >= 0 && x < box.x && y < box.y && z < box.z &&
               cellNumber[CellGrid::Index(x, y, z)] != kNoCell;
        if (fits) {
          placement |= CellSet::Single(cellNumber[CellGrid::Index(x, y, z)]);
        }
      }
      if (fits) {
        table.placements[entry].push_back(placement);
      }
    }
  }
}

void AddCovers(CoverTable& table) {
  table.coverBegin.assign(static_cast<std::size_t>(table.cellCount) * kPieceCount + 1, 0);
  for (int e = 0; e < table.entryCount; ++e) {
    for (const CellSet& placement : table.placements[e]) {
      ForEachCell(placement, [&](int cell) { ++table.coverBegin[cell * kPieceCount + e + 1]; });
    }
  }
  for (std::size_t i = 1; i < table.coverBegin.size(); ++i) {
    table.coverBegin[i] += table.coverBegin[i - 1];
  }
  table.covers.resize(table.coverBegin.back());
  std::vector<int> next(table.coverBegin.begin(), table.coverBegin.end() - 1);
  for (int e = 0; e < table.entryCount; ++e) {
    for (const CellSet& placement : table.placements[e]) {
      ForEachCell(placement,
                  [&](int cell) { table.covers[next[cell * kPieceCount + e]++] = placement; });
    }
  }
}

}  // namespace

CellSet TableSymmetry::Apply(const CellSet& cells) const {
  CellSet image;
  ForEachCell(cells, [&](int cell) { image |= CellSet::Single(to[cell]); });
  return image;
}

std::optional<CoverTable> BuildCoverTable(const CellGrid& figure, const CellGrid& field) {
  CoverTable table;
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
  for (int e = 0; e < table.entryCount; ++e) {
    AddPlacements(table, e, box, cellNumber);
  }
  AddCovers(table);
  constexpr std::array<int, 6> kSteps{
      1, -1, kGridSize, -kGridSize, kGridSize * kGridSize, -kGridSize * kGridSize};
  for (int cell = 0; cell < table.cellCount; ++cell) {
    for (int step : kSteps) {
      const int index = table.gridIndex[cell] + step;
      if (index >= 0 && index < kGridCells && cellNumber[index] != kNoCell) {
        table.neighbours[cell] |= CellSet::Single(cellNumber[index]);
      }
    }
  }
  return table;
}

std::vector<TableSymmetry> TableSymmetries(const CoverTable& table, const CellGrid& figure,
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
  std::vector<TableSymmetry> maps;
  for (const Symmetry& symmetry : symmetries) {
    TableSymmetry map;
    for (int cell = 0; cell < table.cellCount; ++cell) {
      map.to[cell] =
          static_cast<std::uint8_t>(cellNumber[symmetry.Apply(table.gridIndex[cell], box)]);
    }
    for (int e = 0; e < table.entryCount; ++e) {
      map.entry[e] = entryOf[symmetry.PieceImage(table.piece[e])];
    }
    maps.push_back(map);
  }
  return maps;
}

}  // namespace kelvane
