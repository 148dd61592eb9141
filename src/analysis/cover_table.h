// SPDX-License-Identifier: GPL-3.0-or-later
// A position as an exact-cover problem over bit sets, built once for each count or check.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/cell_set.h"
#include "analysis/figure_symmetry.h"
#include "analysis/free_cells.h"
#include "model/cell_grid.h"
#include "model/pieces.h"

namespace kelvane {

// The free cells (Figure cells whose Field cell is 0), the pieces still to lay (the table's
// entries, in piece order) and every way each fits.
struct CoverTable : FreeCells {
  int entryCount = 0;
  std::array<int, kPieceCount> piece{};
  std::array<int, kPieceCount> cubes{};
  std::array<std::vector<CellSet>, kPieceCount> placements;
  // The placements of entry e that cover cell c lie in covers[begin … end) with
  // begin = coverBegin[c * kPieceCount + e] and end the next value of coverBegin.
  std::vector<CellSet> covers;
  std::vector<int> coverBegin;
  // The free cells that share a face with each free cell.
  std::array<CellSet, kCellSetCapacity> neighbours{};
  // Cubes the entries of a bit mask need together.
  std::array<int, 1 << kPieceCount> cubesOf{};

  unsigned AllEntries() const { return (1u << entryCount) - 1; }
};

// A symmetry of the position as it acts on the table's cells and entries.
struct TableSymmetry {
  std::array<std::uint8_t, kCellSetCapacity> to{};
  std::array<int, kPieceCount> entry{};

  CellSet Apply(const CellSet& cells) const;
};

// The table of the position `figure` with the pieces on `field`; a piece counts as laid when
// some Field cell holds its value. Nothing when more cells are free than a CellSet numbers.
std::optional<CoverTable> BuildCoverTable(const CellGrid& figure, const CellGrid& field);

// `symmetries` (those of the position, PositionSymmetries) as maps of the table's numbering.
std::vector<TableSymmetry> TableSymmetries(const CoverTable& table, const CellGrid& figure,
                                           const std::vector<Symmetry>& symmetries);

}  // namespace kelvane
