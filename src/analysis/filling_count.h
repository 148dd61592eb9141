// SPDX-License-Identifier: GPL-3.0-or-later
// Counting the covers of a position whose pieces must fill every free cell, the common case,
// with each set of cells in one machine word.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <utility>
#include <vector>

#include "analysis/cover_table.h"
#include "analysis/search_control.h"

namespace kelvane {

// Whether FillingCounter takes the table: no cell may stay empty (then at most 27 are free).
bool FillsEveryCell(const CoverTable& table);

// Branches on the free cell with the fewest free neighbours, with the counts of positions met
// before kept in a table of fixed size; the last two pieces are matched in a hash of
// placements rather than searched. Either every cover is counted, or the search stops at the
// first (then the count is 0 or 1). Meaningless once `control` is no longer Finished().
template <bool kStopAtFirst>
class FillingCounter {
 public:
  FillingCounter(const CoverTable& table, SearchControl& control);

  // The covers of the free cells `free` (a subset of the table's) by `entries`, whose cubes must
  // number the cells of `free`.
  std::uint64_t Count(const CellSet& free, unsigned entries);

 private:
  using Word = std::uint32_t;
  // A placement: its cells in the low word, the bit of its entry in the high one.
  using Placement = std::uint64_t;
  // Each free cell's number of free neighbours (0 … 6), one bit of it per word.
  struct NeighbourCounts {
    Word one = 0;
    Word two = 0;
    Word four = 0;
  };

  // `tip`: how many more odd cells than even ones `free` holds.
  std::uint64_t Search(Word free, unsigned entries, int tip, const NeighbourCounts& counts);
  std::uint64_t Branch(Word free, unsigned entries, int tip, const NeighbourCounts& counts);
  int TightestCell(Word free, unsigned entries, const NeighbourCounts& counts) const;
  NeighbourCounts Without(NeighbourCounts counts, Word cells) const;
  using Sizes = std::array<std::array<int, kPieceCount + 1>, 32>;
  // Placements listed under some of their bits, entry by entry: those under bit b from entry e
  // on start at placements[entryBegin[b][e]].
  struct Lists {
    std::vector<Placement> placements;
    Sizes entryBegin{};

    // The stretch under bit b that holds the placements of `entries`, and others.
    std::pair<int, int> Stretch(int b, unsigned entries) const {
      return {entryBegin[b][std::countr_zero(entries)], entryBegin[b][std::bit_width(entries)]};
    }
  };
  static Lists LaidOut(const Sizes& sizes);

  bool IsPlacement(Placement placement) const;
  std::uint64_t CountLastTwo(Word free, unsigned entries) const;

  SearchControl& control_;
  // Each table cell's bit in a Word.
  std::array<int, 32> bit_{};
  // The cells next to each cell.
  std::array<Word, 32> neighbours_{};
  // Each placement under every bit it covers, and under its lowest bit alone.
  Lists covers_;
  Lists firsts_;
  // How many more odd cells than even ones each of covers_ covers.
  std::vector<std::int8_t> coverTips_;
  // Every placement, open-addressed by its cells and entry: 0 marks a free slot.
  std::vector<Placement> known_;
  int knownShift_;
  // Cells of odd x + y + z, and how far the entries of a mask can tip the balance of odd and
  // even cells they cover.
  Word odd_ = 0;
  std::array<int, 1 << kPieceCount> tilt_{};
  // Known counts: a slot holds the position's key in its low bits and the count above.
  std::vector<std::uint64_t> memo_;
  int memoShift_;
};

}  // namespace kelvane
