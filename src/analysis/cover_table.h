// SPDX-License-Identifier: GPL-3.0-or-later
// A position as an exact-cover problem over bit sets, built once for each count or check.
#pragma once

#include <array>
#include <bit>
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
template <typename Set>
struct BasicCoverTable : BasicFreeCells<Set> {
  int entryCount = 0;
  std::array<int, kPieceCount> piece{};
  std::array<int, kPieceCount> cubes{};
  std::array<std::vector<Set>, kPieceCount> placements;
  // The free cells that share a face with each free cell.
  std::vector<Set> neighbours;
  // Cubes the entries of a bit mask need together.
  std::array<int, 1 << kPieceCount> cubesOf{};

  unsigned AllEntries() const { return (1u << entryCount) - 1; }
};

// The placements of entry e that cover cell c lie in covers[begin … end) with
// begin = coverBegin[c * kPieceCount + e] and end the next value of coverBegin.
template <typename Set>
struct BasicCoverLists {
  std::vector<Set> covers;
  std::vector<int> coverBegin;
};

template <typename Set>
BasicCoverLists<Set> ListCovers(const BasicCoverTable<Set>& table);

// A symmetry of the position as it acts on the table's cells and entries.
template <typename Set>
struct BasicTableSymmetry {
  std::array<std::uint16_t, Set::kCapacity> to{};
  std::array<int, kPieceCount> entry{};

  Set Apply(const Set& cells) const {
    // Bit by bit, not through ForEachCell: the counts apply symmetries in their inner loops.
    Set image;
    for (std::size_t w = 0; w < cells.words.size(); ++w) {
      for (std::uint64_t bits = cells.words[w]; bits != 0; bits &= bits - 1) {
        const int cell = to[64 * w + std::countr_zero(bits)];
        image.words[cell >> 6] |= std::uint64_t{1} << (cell & 63);
      }
    }
    return image;
  }
};

using CoverTable = BasicCoverTable<CellSet>;
using TableSymmetry = BasicTableSymmetry<CellSet>;

// The table of the position `figure` with the pieces on `field`; a piece counts as laid when
// some Field cell holds its value. Nothing when more cells are free than a Set numbers.
template <typename Set>
std::optional<BasicCoverTable<Set>> BuildCoverTable(const CellGrid& figure, const CellGrid& field);

// `symmetries` (those of the position, PositionSymmetries) as maps of the table's numbering.
template <typename Set>
std::vector<BasicTableSymmetry<Set>> TableSymmetries(const BasicCoverTable<Set>& table,
                                                     const CellGrid& figure,
                                                     const std::vector<Symmetry>& symmetries);

}  // namespace kelvane
