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
  for (int e = 0; e < table.entryCount; ++e) {
    for (const CellSet& placement : table.placements[e]) {
      Word cells = 0;
      ForEachCell(placement, [&](int cell) {
        cells |= Word{1} << bit_[cell];
        ++coverBegin_[bit_[cell] + 1];
      });
      all.push_back(cells | Placement{1} << (32 + e));
      tilt[e] = std::max(tilt[e], std::abs(TipOf(cells, odd_)));
    }
  }
  std::partial_sum(coverBegin_.begin(), coverBegin_.end(), coverBegin_.begin());
  covers_.resize(coverBegin_.back());
  coverTips_.resize(coverBegin_.back());
  std::array<int, 32> next{};
  std::copy(coverBegin_.begin(), coverBegin_.end() - 1, next.begin());
  const int knownBits = std::bit_width(2 * all.size() + 1);
  known_.resize(std::size_t{1} << knownBits);
  knownShift_ = 64 - knownBits;
  for (const Placement placement : all) {
    for (Word rest = static_cast<Word>(placement); rest != 0; rest &= rest - 1) {
      const int at = next[std::countr_zero(rest)]++;
      covers_[at] = placement;
      coverTips_[at] = static_cast<std::int8_t>(TipOf(static_cast<Word>(placement), odd_));
    }
    std::size_t slot = HashOf(placement, knownShift_);
    while (known_[slot] != 0) {
      slot = (slot + 1) & (known_.size() - 1);
    }
    known_[slot] = placement;
  }
  for (int b = 0; b < 32; ++b) {
    int i = coverBegin_[b];
    for (int e = 0; e <= kPieceCount; ++e) {
      while (i < coverBegin_[b + 1] && std::countr_zero(covers_[i] >> 32) < e) {
        ++i;
      }
      entryBegin_[b][e] = i;
    }
  }
  for (unsigned mask = 1; mask < tilt_.size(); ++mask) {
    tilt_[mask] = tilt_[mask & (mask - 1)] + tilt[std::countr_zero(mask)];
  }
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

template <bool kStopAtFirst>
std::pair<int, int> FillingCounter<kStopAtFirst>::Stretch(int b, unsigned entries) const {
  return {entryBegin_[b][std::countr_zero(entries)], entryBegin_[b][std::bit_width(entries)]};
}

// Ways for the two entries to fill `free`: one of them covers its lowest cell.
template <bool kStopAtFirst>
std::uint64_t FillingCounter<kStopAtFirst>::CountLastTwo(Word free, unsigned entries) const {
  const int low = std::countr_zero(free);
  const Placement entryBits = Placement{entries} << 32;
  std::uint64_t total = 0;
  const auto [first, last] = Stretch(low, entries);
  for (int base = first; base < last; base += 64) {
    for (std::uint64_t fits = FitMask(&covers_[base], last - base, free | entryBits); fits != 0; fits &= fits - 1) {
      // The other entry's placement is then the rest of the free cells.
      if (IsPlacement((covers_[base + std::countr_zero(fits)] ^ entryBits) ^ free)) {
        if (kStopAtFirst) {
          return 1;
        }
        ++total;
      }
    }
  }
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
    const auto [first, last] = Stretch(b, entries);
    for (int base = first; base < last && fits < fewest; base += 64) {
      fits += BitCount(FitMask(&covers_[base], last - base, allowed));
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
  const auto [first, last] = Stretch(cell, entries);
  for (int base = first; base < last; base += 64) {
    for (std::uint64_t fits = FitMask(&covers_[base], last - base, allowed); fits != 0; fits &= fits - 1) {
      const int i = base + std::countr_zero(fits);
      const Placement placement = covers_[i];
      const Word cells = static_cast<Word>(placement);
      total += Search(free ^ cells, entries & ~static_cast<unsigned>(placement >> 32),
                      tip - coverTips_[i], Without(counts, cells));
      if (kStopAtFirst && total != 0) {
        return total;
      }
    }
  }
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
