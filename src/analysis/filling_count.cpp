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
constexpr std::size_t kMemoSlots = std::size_t{1} << 13;

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

// Bit i set when placements[i] lies within `allowed`, for the first up to 64 of `count`:
// worked out without a branch, which a rare fit would mispredict.
inline std::uint64_t FitMask(const std::uint64_t* placements, int count, std::uint64_t allowed) {
  const int end = std::min(count, 64);
  std::uint64_t fits = 0;
  for (int i = 0; i < end; ++i) {
    fits |= std::uint64_t{(placements[i] & ~allowed) == 0} << i;
  }
  return fits;
}

// Calls visit(i) for each placements[i], first <= i < last, that lies within `allowed`, until it
// returns true.
template <typename Visit>
inline void ForEachFit(const std::uint64_t* placements, int first, int last, std::uint64_t allowed,
                       Visit visit) {
  for (int base = first; base < last; base += 64) {
    for (std::uint64_t fits = FitMask(placements + base, last - base, allowed); fits != 0;
         fits &= fits - 1) {
      if (visit(base + std::countr_zero(fits))) {
        return;
      }
    }
  }
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
  std::vector<Placement> all;
  std::vector<std::int8_t> tips;
  Sizes coverSizes{};
  Sizes firstSizes{};
  for (int e = 0; e < table.entryCount; ++e) {
    for (const CellSet& placement : table.placements[e]) {
      Word cells = 0;
      ForEachCell(placement, [&](int cell) {
        cells |= Word{1} << bit_[cell];
        ++coverSizes[bit_[cell]][e];
      });
      ++firstSizes[std::countr_zero(cells)][e];
      all.push_back(cells | Placement{1} << (32 + e));
      tips.push_back(static_cast<std::int8_t>(TipOf(cells, odd_)));
      tilt[e] = std::max(tilt[e], std::abs(tips.back()));
    }
  }
  covers_ = LaidOut(coverSizes);
  firsts_ = LaidOut(firstSizes);
  coverTips_.resize(covers_.placements.size());
  Sizes nextCover = covers_.entryBegin;
  Sizes nextFirst = firsts_.entryBegin;
  const int knownBits = std::bit_width(2 * all.size() + 1);
  known_.resize(std::size_t{1} << knownBits);
  knownShift_ = 64 - knownBits;
  for (std::size_t k = 0; k < all.size(); ++k) {
    const Placement placement = all[k];
    const int e = std::countr_zero(placement >> 32);
    const Word cells = static_cast<Word>(placement);
    firsts_.placements[nextFirst[std::countr_zero(cells)][e]++] = placement;
    for (Word rest = cells; rest != 0; rest &= rest - 1) {
      const int at = nextCover[std::countr_zero(rest)][e]++;
      covers_.placements[at] = placement;
      coverTips_[at] = tips[k];
    }
    std::size_t slot = HashOf(placement, knownShift_);
    while (known_[slot] != 0) {
      slot = (slot + 1) & (known_.size() - 1);
    }
    known_[slot] = placement;
  }
  for (unsigned mask = 1; mask < tilt_.size(); ++mask) {
    tilt_[mask] = tilt_[mask & (mask - 1)] + tilt[std::countr_zero(mask)];
  }
}

// Room for sizes[b][e] placements under bit b of entry e, bit by bit and entry by entry.
template <bool kStopAtFirst>
typename FillingCounter<kStopAtFirst>::Lists FillingCounter<kStopAtFirst>::LaidOut(
    const Sizes& sizes) {
  Lists lists;
  int at = 0;
  for (int b = 0; b < 32; ++b) {
    for (int e = 0; e <= kPieceCount; ++e) {
      lists.entryBegin[b][e] = at;
      at += sizes[b][e];
    }
  }
  lists.placements.resize(at);
  return lists;
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
bool FillingCounter<kStopAtFirst>::IsPlacement(Placement placement) const {
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
std::uint64_t FillingCounter<kStopAtFirst>::CountLastTwo(Word free, unsigned entries) const {
  const int low = std::countr_zero(free);
  const Placement entryBits = Placement{entries} << 32;
  std::uint64_t total = 0;
  const auto [first, last] = firsts_.Stretch(low, entries);
  const Placement* placements = firsts_.placements.data();
  ForEachFit(placements, first, last, free | entryBits, [&](int i) {
    // The other entry's placement is then the rest of the free cells.
    if (IsPlacement((placements[i] ^ entryBits) ^ free)) {
      ++total;
      return kStopAtFirst;
    }
    return false;
  });
  return total;
}

// Each free neighbour of the cells taken loses one free neighbour.
template <bool kStopAtFirst>
typename FillingCounter<kStopAtFirst>::NeighbourCounts FillingCounter<kStopAtFirst>::Without(
    NeighbourCounts counts, Word cells) const {
  for (Word rest = cells; rest != 0; rest &= rest - 1) {
    Word borrow = neighbours_[std::countr_zero(rest)];
    counts.one ^= borrow;
    borrow &= counts.one;
    counts.two ^= borrow;
    borrow &= counts.two;
    counts.four ^= borrow;
  }
  return counts;
}

// A free cell with the fewest free neighbours and, of those, the fewest placements that fit (the
// least covered with three pieces left).
template <bool kStopAtFirst>
int FillingCounter<kStopAtFirst>::TightestCell(Word free, unsigned entries,
                                               const NeighbourCounts& counts) const {
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
    const Placement allowed = free | Placement{entries} << 32;
    const auto [first, last] = covers_.Stretch(b, entries);
    for (int i = first; i < last && fits < fewest; ++i) {
      fits += (covers_.placements[i] & ~allowed) == 0 ? 1 : 0;
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
  std::uint64_t total = 0;
  const Placement allowed = free | Placement{entries} << 32;
  const auto [first, last] = covers_.Stretch(cell, entries);
  ForEachFit(covers_.placements.data(), first, last, allowed, [&](int i) {
    const Placement placement = covers_.placements[i];
    const Word cells = static_cast<Word>(placement);
    total += Search(free ^ cells, entries & ~static_cast<unsigned>(placement >> 32),
                    tip - coverTips_[i], Without(counts, cells));
    return kStopAtFirst && total != 0;
  });
  return total;
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
  // A free cell without a free neighbour, or more odd cells than even ones (or the other way
  // round) than the pieces can make up.
  if ((free & ~(counts.one | counts.two | counts.four)) != 0 || std::abs(tip) > tilt_[entries]) {
    return 0;
  }
  const std::uint64_t key = free | std::uint64_t{entries} << 27;
  std::uint64_t& slot = memo_[(key * 0x9e3779b97f4a7c15u) >> memoShift_];
  if ((slot & kKeyMask) == key) {
    return slot >> kKeyBits;
  }
  const std::uint64_t total =
      left == 2 ? CountLastTwo(free, entries) : Branch(free, entries, tip, counts);
  if (total <= kLargestKept && control_.Finished()) {
    slot = key | total << kKeyBits;
  }
  return total;
}

template class FillingCounter<false>;
template class FillingCounter<true>;

}  // namespace kelvane
