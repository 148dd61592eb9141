// SPDX-License-Identifier: GPL-3.0-or-later
// Counting the covers of a position whose pieces must fill every free cell, the common case,
// with each set of cells in one machine word.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
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
  // A placement: its cells in the low word, the bit of its entry in the high one; listed under a
  // cell, its number in moves_ above that.
  using Placement = std::uint64_t;
  static constexpr int kMoveShift = 32 + kPieceCount;
  // Each free cell's number of free neighbours (0 … 6), one bit of it per word.
  struct NeighbourCounts {
    Word one = 0;
    Word two = 0;
    Word four = 0;
  };

  // `tip`: how many more odd cells than even ones `free` holds.
  std::uint64_t Search(Word free, unsigned entries, int tip, const NeighbourCounts& counts);
  std::uint64_t Branch(Word free, unsigned entries, int tip, const NeighbourCounts& counts);
  int TightestCell(Word free, unsigned entries, const NeighbourCounts& counts);
  // What laying a placement takes away: from each cell, the free neighbours it covers, and
  // from the balance of odd and even free cells, the odd cells it covers less the even ones.
  struct Move {
    NeighbourCounts loss;
    int tip = 0;
  };
  static NeighbourCounts Less(NeighbourCounts counts, const NeighbourCounts& loss);
  // Placements listed under some of their bits, 64 to a block: bit b's in blocks[begin[b] …
  // begin[b + 1]), block k's j-th at placements[64 * k + j] (0 past the last). Each block says
  // which of its placements cover each bit and which are each entry's, so that those that fit
  // are found a taken cell at a time, not one by one. A bit's blocks are worked out the first
  // time it is asked for: a search that stops at the first cover asks for few.
  struct Block {
    std::array<std::uint64_t, 32> covering{};
    std::array<std::uint64_t, kPieceCount> ofEntry{};
    // Every bit its placements cover.
    Word reach = 0;
  };
  struct Blocks {
    std::vector<Block> blocks;
    std::array<int, 33> begin{};
    std::vector<Placement> placements;
    Word worked = 0;

    Blocks() = default;
    // Room for sizes[b] placements under each bit b.
    explicit Blocks(const std::array<int, 32>& sizes);
    // Bit b's blocks.
    const Block* Under(int b) {
      if ((worked >> b & 1) == 0) {
        WorkOut(b);
      }
      return blocks.data() + begin[b];
    }
    void WorkOut(int b);
  };
  static std::uint64_t Fits(const Block& block, Word free, unsigned entries);

  bool IsPlacement(Placement placement) const;
  bool IsKnown(Placement placement) const;
  std::uint64_t CountLastTwo(Word free, unsigned entries);
  bool Hopeless(Word free, unsigned entries, int tip, const NeighbourCounts& counts) const;
  std::uint64_t TwoLeft(Word free, unsigned entries, int tip, const NeighbourCounts& counts);

  SearchControl& control_;
  // Each table cell's bit in a Word.
  std::array<int, 32> bit_{};
  // The cells next to each cell.
  std::array<Word, 32> neighbours_{};
  // Each placement under every bit it covers, and under its lowest bit alone; each placement's
  // Move once, as a list entry per covered cell would multiply the memory a count first touches.
  Blocks covers_;
  Blocks firsts_;
  std::vector<Move> moves_;
  // Every placement, open-addressed by its cells and entry: 0 marks a free slot.
  std::vector<Placement> known_;
  int knownShift_;
  // A bit for each hash of a placement, with more bits than known_ has slots.
  static constexpr int kMarkBits = 15;
  std::array<std::uint64_t, (1 << kMarkBits) / 64> marks_{};
  // Cells of odd x + y + z, and how far the entries of a mask can tip the balance of odd and
  // even cells they cover.
  Word odd_ = 0;
  std::array<int, 1 << kPieceCount> tilt_{};
  // Known counts: a slot holds the position's key in its low bits and the count above.
  std::vector<std::uint64_t> memo_;
  int memoShift_;
};

}  // namespace kelvane
