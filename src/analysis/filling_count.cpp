// SPDX-License-Identifier: GPL-3.0-or-later
// The most hemmed-in free cell first, over one-word cell sets.
#include "analysis/filling_count.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <numeric>

namespace kelvane {

namespace {

constexpr int kKeyBits = 34;  // 27 cells and 7 entries
constexpr std::uint64_t kKeyMask = (std::uint64_t{1} << kKeyBits) - 1;
constexpr std::uint64_t kLargestKept = (std::uint64_t{1} << (64 - kKeyBits)) - 1;
constexpr std::size_t kMemoSlots = std::size_t{1} << 12;

// Odd cells less even ones.
int TipOf(std::uint32_t cells, std::uint32_t odd) {
  return 2 * BitCount(cells & odd) - BitCount(cells);
}

constexpr auto kEntriesIn = [] {
  std::array<std::int8_t, 1 << kPieceCount> count{};
  for (std::size_t mask = 1; mask < count.size(); ++mask) {
    count[mask] = static_cast<std::int8_t>(count[mask & (mask - 1)] + 1);
  }
  return count;
}();

std::size_t MemoSlots(std::size_t bytes) {
  return std::clamp<std::size_t>(std::bit_floor(bytes / sizeof(std::uint64_t)), 2, kMemoSlots);
}

// The cells ordered by how many placements cover them, then slice by slice across the longest
// axis of the free cells: ties between equally hemmed-in cells go to the least covered, and the
// last two pieces are matched from the free cell that the fewest placements cover.
std::array<int, 32> BitOrder(const CoverTable& table) {
  std::array<std::array<int, 3>, 32> at{};
  std::array<int, 3> low{kGridSize, kGridSize, kGridSize};
  std::array<int, 3> high{};
  for (int cell = 0; cell < table.cellCount; ++cell) {
    const int index = table.gridIndex[cell];
    at[cell] = {index % kGridSize, index / kGridSize % kGridSize, index / (kGridSize * kGridSize)};
    for (int axis = 0; axis < 3; ++axis) {
      low[axis] = std::min(low[axis], at[cell][axis]);
      high[axis] = std::max(high[axis], at[cell][axis]);
    }
  }
  std::array<int, 3> axes{2, 1, 0};
  std::ranges::stable_sort(axes, std::greater{}, [&](int a) { return high[a] - low[a]; });
  std::array<int, 32> order{};
  std::iota(order.begin(), order.begin() + table.cellCount, 0);
  std::array<int, 32> covering{};
  for (int e = 0; e < table.entryCount; ++e) {
    for (const CellSet& placement : table.placements[e]) {
      ForEachCell(placement, [&](int cell) { ++covering[cell]; });
    }
  }
  std::sort(order.begin(), order.begin() + table.cellCount, [&](int a, int b) {
    if (covering[a] != covering[b]) {
      return covering[a] < covering[b];
    }
    for (int axis : axes) {
      if (at[a][axis] != at[b][axis]) {
        return at[a][axis] < at[b][axis];
      }
    }
    return false;
  });
  std::array<int, 32> bit{};
  for (int rank = 0; rank < table.cellCount; ++rank) {
    bit[order[rank]] = rank;
  }
  return bit;
}

std::size_t HashOf(std::uint64_t key, int shift) {
  return static_cast<std::size_t>((key * 0x9e3779b97f4a7c15u) >> shift);
}

}  // namespace

bool FillsEveryCell(const CoverTable& table) {
  return table.cellCount == table.cubesOf[table.AllEntries()];
}

template <bool kStopAtFirst>
FillingCounter<kStopAtFirst>::FillingCounter(const CoverTable& table, SearchControl& control)
    : control_(control),
      bit_(BitOrder(table)),
      memo_(MemoSlots(control.MemoBytes())),
      memoShift_(64 - std::countr_zero(memo_.size())) {
  for (int cell = 0; cell < table.cellCount; ++cell) {
    ForEachCell(table.neighbours[cell],
                [&](int next) { neighbours_[bit_[cell]] |= Word{1} << bit_[next]; });
    const int index = table.gridIndex[cell];
    const int parity =
        index % kGridSize + index / kGridSize % kGridSize + index / kGridSize / kGridSize;
    odd_ |= static_cast<Word>(parity & 1) << bit_[cell];
  }
  std::array<int, kPieceCount> tilt{};
  std::size_t count = 0;
  for (int e = 0; e < table.entryCount; ++e) {
    count += table.placements[e].size();
  }
  std::vector<Placement> all;
  all.reserve(count);
  moves_.reserve(count);
  std::array<int, 32> coverSizes{};
  std::array<int, 32> firstSizes{};
  for (int e = 0; e < table.entryCount; ++e) {
    for (const CellSet& placement : table.placements[e]) {
      Word cells = 0;
      Move& move = moves_.emplace_back();
      ForEachCell(placement, [&](int cell) {
        const int b = bit_[cell];
        cells |= Word{1} << b;
        ++coverSizes[b];
        move.tip += (odd_ >> b & 1) != 0 ? 1 : -1;
      });
      ++firstSizes[std::countr_zero(cells)];
      all.push_back(cells | Placement{1} << (32 + e));
      tilt[e] = std::max(tilt[e], std::abs(move.tip));
      for (Word rest = cells; rest != 0; rest &= rest - 1) {
        Word carry = neighbours_[std::countr_zero(rest)];
        move.loss.one ^= carry;
        carry &= ~move.loss.one;
        move.loss.two ^= carry;
        carry &= ~move.loss.two;
        move.loss.four ^= carry;
      }
    }
  }
  covers_ = Blocks(coverSizes);
  firsts_ = Blocks(firstSizes);
  std::array<int, 32> nextCover{};
  std::array<int, 32> nextFirst{};
  for (int b = 0; b < 32; ++b) {
    nextCover[b] = 64 * covers_.begin[b];
    nextFirst[b] = 64 * firsts_.begin[b];
  }
  const int knownBits = std::bit_width(2 * all.size() + 1);
  known_.resize(std::size_t{1} << knownBits);
  knownShift_ = 64 - knownBits;
  for (std::size_t k = 0; k < all.size(); ++k) {
    const Placement placement = all[k];
    const Word cells = static_cast<Word>(placement);
    firsts_.placements[nextFirst[std::countr_zero(cells)]++] = placement;
    for (Word rest = cells; rest != 0; rest &= rest - 1) {
      const int at = nextCover[std::countr_zero(rest)]++;
      covers_.placements[at] = placement | Placement{k} << kMoveShift;
    }
    std::size_t slot = HashOf(placement, knownShift_);
    while (known_[slot] != 0) {
      slot = (slot + 1) & (known_.size() - 1);
    }
    known_[slot] = placement;
    const std::size_t mark = HashOf(placement, 64 - kMarkBits);
    marks_[mark / 64] |= std::uint64_t{1} << (mark % 64);
  }
  for (unsigned mask = 1; mask < tilt_.size(); ++mask) {
    tilt_[mask] = tilt_[mask & (mask - 1)] + tilt[std::countr_zero(mask)];
  }
}

template <bool kStopAtFirst>
FillingCounter<kStopAtFirst>::Blocks::Blocks(const std::array<int, 32>& sizes) {
  for (int b = 0; b < 32; ++b) {
    begin[b + 1] = begin[b] + (sizes[b] + 63) / 64;
  }
  blocks.resize(begin[32]);
  placements.resize(64 * blocks.size());
}

template <bool kStopAtFirst>
void FillingCounter<kStopAtFirst>::Blocks::WorkOut(int b) {
  worked |= Word{1} << b;
  for (int at = 64 * begin[b]; at < 64 * begin[b + 1]; ++at) {
    const Word cells = static_cast<Word>(placements[at]);
    if (cells == 0) {
      continue;
    }
    Block& block = blocks[at / 64];
    const std::uint64_t self = std::uint64_t{1} << (at % 64);
    for (Word rest = cells; rest != 0; rest &= rest - 1) {
      block.covering[std::countr_zero(rest)] |= self;
    }
    block.ofEntry[std::countr_zero(placements[at] >> 32)] |= self;
    block.reach |= cells;
  }
}

// Bit j set when the block's placement j is one of `entries` and lies within `free`.
template <bool kStopAtFirst>
std::uint64_t FillingCounter<kStopAtFirst>::Fits(const Block& block, Word free, unsigned entries) {
  std::uint64_t fits = 0;
  for (unsigned rest = entries; rest != 0; rest &= rest - 1) {
    fits |= block.ofEntry[std::countr_zero(rest)];
  }
  for (Word taken = block.reach & ~free; taken != 0; taken &= taken - 1) {
    fits &= ~block.covering[std::countr_zero(taken)];
  }
  return fits;
}

template <bool kStopAtFirst>
std::uint64_t FillingCounter<kStopAtFirst>::Count(const CellSet& free, unsigned entries) {
  Word cells = 0;
  ForEachCell(free, [&](int cell) { cells |= Word{1} << bit_[cell]; });
  if (entries == 0) {
    return cells == 0 ? 1 : 0;
  }
  NeighbourCounts counts;
  for (Word rest = cells; rest != 0; rest &= rest - 1) {
    const Word next = neighbours_[std::countr_zero(rest)] & cells;
    const int n = BitCount(next);
    const Word self = rest & (~rest + 1);
    counts.one |= (n & 1) != 0 ? self : 0;
    counts.two |= (n & 2) != 0 ? self : 0;
    counts.four |= (n & 4) != 0 ? self : 0;
  }
  return Search(cells, entries, TipOf(cells, odd_), counts);
}

template <bool kStopAtFirst>
inline bool FillingCounter<kStopAtFirst>::IsPlacement(Placement placement) const {
  // Nearly every set asked about is none: most answers come from the marks alone.
  const std::size_t mark = HashOf(placement, 64 - kMarkBits);
  return (marks_[mark / 64] >> (mark % 64) & 1) != 0 && IsKnown(placement);
}

template <bool kStopAtFirst>
bool FillingCounter<kStopAtFirst>::IsKnown(Placement placement) const {
  for (std::size_t slot = HashOf(placement, knownShift_);;
       slot = (slot + 1) & (known_.size() - 1)) {
    if (known_[slot] == placement) {
      return true;
    }
    if (known_[slot] == 0) {
      return false;
    }
  }
}

// Ways for the two entries to fill `free`: one of them covers its lowest cell, and no cell below
// it, which is taken.
template <bool kStopAtFirst>
std::uint64_t FillingCounter<kStopAtFirst>::CountLastTwo(Word free, unsigned entries) {
  const int low = std::countr_zero(free);
  const Placement entryBits = Placement{entries} << 32;
  std::uint64_t total = 0;
  const Block* blocks = firsts_.Under(low);
  for (int k = firsts_.begin[low]; k < firsts_.begin[low + 1]; ++k) {
    for (std::uint64_t fits = Fits(*blocks++, free, entries); fits != 0; fits &= fits - 1) {
      // The other entry's placement is then the rest of the free cells.
      if (IsPlacement((firsts_.placements[64 * k + std::countr_zero(fits)] ^ entryBits) ^ free)) {
        ++total;
        if (kStopAtFirst) {
          return total;
        }
      }
    }
  }
  return total;
}

// Bit by bit subtraction: only free cells' counts mean anything, and those never go below 0.
template <bool kStopAtFirst>
typename FillingCounter<kStopAtFirst>::NeighbourCounts FillingCounter<kStopAtFirst>::Less(
    NeighbourCounts counts, const NeighbourCounts& loss) {
  const Word borrowOne = ~counts.one & loss.one;
  counts.one ^= loss.one;
  const Word two = counts.two ^ loss.two;
  const Word borrowTwo = (~counts.two & loss.two) | (~two & borrowOne);
  counts.two = two ^ borrowOne;
  counts.four ^= loss.four ^ borrowTwo;
  return counts;
}

// A free cell with the fewest free neighbours and, of those, the fewest placements that fit (the
// least covered with three pieces left).
template <bool kStopAtFirst>
int FillingCounter<kStopAtFirst>::TightestCell(Word free, unsigned entries,
                                               const NeighbourCounts& counts) {
  Word tightest = free;
  for (const Word level : {counts.four, counts.two, counts.one}) {
    if ((tightest & ~level) != 0) {
      tightest &= ~level;
    }
  }
  // With three pieces left the subtree is too small to repay weighing the candidates.
  if ((tightest & (tightest - 1)) == 0 || kEntriesIn[entries] <= 3) {
    return std::countr_zero(tightest);
  }
  int best = -1;
  int fewest = 1 << 30;
  for (Word rest = tightest; rest != 0 && fewest > 2; rest &= rest - 1) {
    const int b = std::countr_zero(rest);
    int fits = 0;
    const Block* blocks = covers_.Under(b);
    for (int k = covers_.begin[b]; k < covers_.begin[b + 1] && fits < fewest; ++k) {
      fits += BitCount(Fits(*blocks++, free, entries));
    }
    if (fits < fewest) {
      best = b;
      fewest = fits;
    }
  }
  return best;
}

// Every way to cover the tightest cell, each searched on.
template <bool kStopAtFirst>
std::uint64_t FillingCounter<kStopAtFirst>::Branch(Word free, unsigned entries, int tip,
                                                   const NeighbourCounts& counts) {
  const int cell = TightestCell(free, entries, counts);
  const bool lastTwoNext = kEntriesIn[entries] == 3;
  std::uint64_t total = 0;
  const Block* blocks = covers_.Under(cell);
  for (int k = covers_.begin[cell]; k < covers_.begin[cell + 1]; ++k) {
    for (std::uint64_t fits = Fits(*blocks++, free, entries); fits != 0; fits &= fits - 1) {
      const int i = 64 * k + std::countr_zero(fits);
      const Placement placement = covers_.placements[i];
      const Word cells = static_cast<Word>(placement);
      const Move& move = moves_[placement >> kMoveShift];
      const Word rest = free ^ cells;
      const unsigned others = entries & ~static_cast<unsigned>(placement >> 32);
      const NeighbourCounts after = Less(counts, move.loss);
      total += lastTwoNext ? TwoLeft(rest, others, tip - move.tip, after)
                           : Search(rest, others, tip - move.tip, after);
      if (kStopAtFirst && total != 0) {
        return total;
      }
    }
  }
  return total;
}

// A free cell without a free neighbour, or more odd cells than even ones (or the other way round)
// than the pieces can make up.
template <bool kStopAtFirst>
bool FillingCounter<kStopAtFirst>::Hopeless(Word free, unsigned entries, int tip,
                                            const NeighbourCounts& counts) const {
  return (free & ~(counts.one | counts.two | counts.four)) != 0 || std::abs(tip) > tilt_[entries];
}

// Not memoised: matching the last two pieces costs less than looking them up.
template <bool kStopAtFirst>
std::uint64_t FillingCounter<kStopAtFirst>::TwoLeft(Word free, unsigned entries, int tip,
                                                    const NeighbourCounts& counts) {
  return Hopeless(free, entries, tip, counts) ? 0 : CountLastTwo(free, entries);
}

template <bool kStopAtFirst>
std::uint64_t FillingCounter<kStopAtFirst>::Search(Word free, unsigned entries, int tip,
                                                   const NeighbourCounts& counts) {
  if (control_.Stopped()) {
    return 0;
  }
  const int left = kEntriesIn[entries];
  if (left == 1) {
    return IsPlacement(free | Placement{entries} << 32) ? 1 : 0;
  }
  if (left == 2) {
    return TwoLeft(free, entries, tip, counts);
  }
  if (Hopeless(free, entries, tip, counts)) {
    return 0;
  }
  const std::uint64_t key = free | std::uint64_t{entries} << 27;
  std::uint64_t& slot = memo_[(key * 0x9e3779b97f4a7c15u) >> memoShift_];
  if ((slot & kKeyMask) == key) {
    return slot >> kKeyBits;
  }
  const std::uint64_t total = Branch(free, entries, tip, counts);
  if (total <= kLargestKept && control_.Finished()) {
    slot = key | total << kKeyBits;
  }
  return total;
}

template class FillingCounter<false>;
template class FillingCounter<true>;

}  // namespace kelvane
