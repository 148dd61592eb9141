// SPDX-License-Identifier: GPL-3.0-or-later
// Covering the most hemmed-in free cell first, with the counts of positions met before remembered.
#include "analysis/cover_count.h"

#include <algorithm>
#include <bit>
#include <type_traits>
#include <utility>

#include "analysis/filling_count.h"

namespace kelvane {

namespace {

// Counts of positions (free cells and entries still to lay) already searched. Open addressing:
// positions recur so often that a standard map's allocations would dominate.
// Its memory never exceeds the bound it is given: once full it keeps what it holds.
template <typename Set>
class Memo {
 public:
  Memo(int capacityBits, std::size_t maxBytes)
      : maxSlots_(std::bit_floor(std::max<std::size_t>(maxBytes / sizeof(Slot), 1))),
        slots_(std::min(std::size_t{1} << capacityBits, maxSlots_)) {}

  std::uint64_t* Find(const Set& free, unsigned entries) {
    for (std::size_t i = Hash(free, entries);; i = (i + 1) & (slots_.size() - 1)) {
      Slot& slot = slots_[i];
      if (slot.entries == 0) {
        return nullptr;
      }
      if (slot.entries == entries + 1 && slot.free == free) {
        return &slot.count;
      }
    }
  }

  void Store(const Set& free, unsigned entries, std::uint64_t count) {
    if (2 * (used_ + 1) > slots_.size()) {
      if (slots_.size() == maxSlots_) {
        return;
      }
      Grow();
    }
    Put(free, entries, count);
  }

 private:
  struct Slot {
    Set free;
    unsigned entries = 0;  // 1 + the mask, so that 0 marks an empty slot
    std::uint64_t count = 0;
  };

  std::size_t Hash(const Set& free, unsigned entries) const {
    std::uint64_t mixed = entries * 0x165667b1u;
    for (std::uint64_t word : free.words) {
      mixed = (mixed ^ word) * 0x9e3779b97f4a7c15u;
      mixed ^= mixed >> 32;
    }
    return static_cast<std::size_t>(mixed ^ (mixed >> 29)) & (slots_.size() - 1);
  }

  void Put(const Set& free, unsigned entries, std::uint64_t count) {
    std::size_t i = Hash(free, entries);
    while (slots_[i].entries != 0) {
      i = (i + 1) & (slots_.size() - 1);
    }
    slots_[i] = Slot{free, entries + 1, count};
    ++used_;
  }

  void Grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    used_ = 0;
    for (const Slot& slot : old) {
      if (slot.entries != 0) {
        Put(slot.free, slot.entries - 1, slot.count);
      }
    }
  }

  std::size_t maxSlots_;
  std::vector<Slot> slots_;
  std::size_t used_ = 0;
};

// The placements of entry e that cover `cell`.
template <typename Set>
struct CellSetRange {
  const Set* first;
  const Set* last;
  const Set* begin() const { return first; }
  const Set* end() const { return last; }
};

template <typename Set>
CellSetRange<Set> Covers(const BasicCoverLists<Set>& lists, int cell, int e) {
  const int at = cell * kPieceCount + e;
  const Set* base = lists.covers.data();
  return {base + lists.coverBegin[at], base + lists.coverBegin[at + 1]};
}

// The free cell that the fewest placements of the entries still fit over: branching there keeps
// the search narrow, and a cell that none fits over ends it at once. Counting stops at the best
// number found so far.
template <typename Set>
int HemmedInCell(const BasicCoverTable<Set>& table, const BasicCoverLists<Set>& lists,
                 const Set& free, unsigned entries, int& fewest) {
  int best = -1;
  fewest = 1 << 30;
  // Only cells with the fewest free neighbours are weighed: they are nearly always the tightest.
  int leastNeighbours = 7;
  Set candidates;
  ForEachCell(free, [&](int cell) {
    const int neighbours = free.Meet(table.neighbours[cell]).Count();
    if (neighbours < leastNeighbours) {
      leastNeighbours = neighbours;
      candidates = Set{};
    }
    if (neighbours == leastNeighbours) {
      candidates |= Set::Single(cell);
    }
  });
  AnyCell(candidates, [&](int cell) {
    int fits = 0;
    for (unsigned rest = entries; rest != 0 && fits < fewest; rest &= rest - 1) {
      const int e = std::countr_zero(rest);
      for (const Set& placement : Covers(lists, cell, e)) {
        fits += placement.Within(free) ? 1 : 0;
        if (fits >= fewest) {
          break;
        }
      }
    }
    if (fits < fewest) {
      best = cell;
      fewest = fits;
    }
    return fewest <= 2;
  });
  return best;
}

// Either every cover is counted, or the search stops at the first (then the count is 0 or 1).
// Once `control` says stop, every level returns at once and the count means nothing.
template <typename Set, bool kStopAtFirst>
class Counter {
 public:
  Counter(const BasicCoverTable<Set>& table, SearchControl& control)
      : table_(table),
        lists_(ListCovers(table)),
        control_(control),
        memo_(12, control.MemoBytes()) {
    for (int e = 0; e < table.entryCount; ++e) {
      sorted_[e] = table.placements[e];
      std::sort(sorted_[e].begin(), sorted_[e].end());
    }
  }

  std::uint64_t Count(const Set& free, unsigned entries, int have) {
    if (entries == 0) {
      return 1;
    }
    const int need = table_.cubesOf[entries];
    if (have < need || control_.Stopped()) {
      return 0;
    }
    // The last one or two pieces that must fill what is left are looked up, not searched.
    if (have == need && std::popcount(entries) == 1) {
      return IsPlacement(std::countr_zero(entries), free) ? 1 : 0;
    }
    if (have == need && std::popcount(entries) == 2) {
      return CountPairs(free, std::countr_zero(entries), 31 - std::countl_zero(entries));
    }
    const bool remember = std::popcount(entries) >= 3;
    if (remember) {
      if (const std::uint64_t* known = memo_.Find(free, entries)) {
        return *known;
      }
    }
    int fits = 0;
    const int cell = HemmedInCell(table_, lists_, free, entries, fits);
    std::uint64_t total = 0;
    if (fits == 0 && have == need) {
      return 0;
    }
    for (unsigned rest = entries; rest != 0 && !(kStopAtFirst && total != 0); rest &= rest - 1) {
      const int e = std::countr_zero(rest);
      for (const Set& placement : Covers(lists_, cell, e)) {
        if (placement.Within(free)) {
          total = control_.Add(
              total, Count(free.Without(placement), entries & ~(1u << e), have - table_.cubes[e]));
          if ((kStopAtFirst && total != 0) || !control_.Finished()) {
            break;
          }
        }
      }
    }
    if (have > need && !(kStopAtFirst && total != 0)) {
      total = control_.Add(total, Count(free.Without(Set::Single(cell)), entries, have - 1));
    }
    if (remember && control_.Finished()) {
      memo_.Store(free, entries, total);
    }
    return total;
  }

 private:
  bool IsPlacement(int entry, const Set& cells) const {
    return std::binary_search(sorted_[entry].begin(), sorted_[entry].end(), cells);
  }

  // Ways for entries a and b to fill `free` exactly: one of them covers its lowest cell.
  std::uint64_t CountPairs(const Set& free, int a, int b) const {
    const int cell = free.Lowest();
    std::uint64_t total = 0;
    for (const auto& [first, second] : {std::pair{a, b}, std::pair{b, a}}) {
      for (const Set& placement : Covers(lists_, cell, first)) {
        if (placement.Within(free) && IsPlacement(second, free.Without(placement))) {
          if (kStopAtFirst) {
            return 1;
          }
          ++total;
        }
      }
    }
    return total;
  }

  const BasicCoverTable<Set>& table_;
  BasicCoverLists<Set> lists_;
  SearchControl& control_;
  std::array<std::vector<Set>, kPieceCount> sorted_;
  Memo<Set> memo_;
};

// The entry whose placements the count branches on first, folding those that a symmetry maps
// onto each other, or -1 to count without folding. Branching on a piece is much wider than
// branching on the most hemmed-in cell, so it pays only with symmetries: with a few, the piece
// with the fewest placements; with many (the cube's 48), the one with the most, whose classes
// are the largest.
template <typename Set>
int FoldingEntry(const BasicCoverTable<Set>& table,
                 const std::vector<BasicTableSymmetry<Set>>& symmetries) {
  constexpr std::size_t kManySymmetries = 8;
  int best = -1;
  if (symmetries.size() <= 1) {
    return best;
  }
  const bool most = symmetries.size() >= kManySymmetries;
  for (int e = 0; e < table.entryCount; ++e) {
    const bool kept =
        std::ranges::all_of(symmetries, [&](const auto& s) { return s.entry[e] == e; });
    const std::size_t count = table.placements[e].size();
    if (kept && (best < 0 || (most ? count > table.placements[best].size()
                                   : count < table.placements[best].size()))) {
      best = e;
    }
  }
  return best;
}

// Selections of one option per unit, pairwise disjoint.
template <typename Set>
std::uint64_t CountDisjoint(const std::vector<std::vector<Set>>& units, std::size_t unit,
                            const Set& used, SearchControl& control) {
  if (unit == units.size()) {
    return 1;
  }
  std::uint64_t total = 0;
  for (const Set& option : units[unit]) {
    if (control.Stopped()) {
      return 0;
    }
    if (option.Disjoint(used)) {
      Set next = used;
      next |= option;
      total = control.Add(total, CountDisjoint(units, unit + 1, next, control));
    }
  }
  return total;
}

// A piece that fits nowhere leaves nothing to count; checked first because the search would
// find it out only after trying to leave each of many surplus cells empty (a flat slab).
template <typename Set>
bool SomeEntryFitsNowhere(const BasicCoverTable<Set>& table) {
  return std::any_of(table.placements.begin(), table.placements.begin() + table.entryCount,
                     [](const std::vector<Set>& placements) { return placements.empty(); });
}

// Every cover lays `first` somewhere; placements that a symmetry maps onto each other have
// equally many covers, so each class is counted once and weighed by its size.
template <typename Set, typename CountRest>
std::uint64_t CountByClasses(const BasicCoverTable<Set>& table,
                             const std::vector<BasicTableSymmetry<Set>>& symmetries, int first,
                             SearchControl& control, CountRest countRest) {
  const std::vector<Set>& placements = table.placements[first];
  std::vector<Set> sorted = placements;
  std::sort(sorted.begin(), sorted.end());
  std::vector<bool> counted(sorted.size());
  std::uint64_t total = 0;
  for (std::size_t i = 0; i < sorted.size() && control.Finished(); ++i) {
    if (counted[i]) {
      continue;
    }
    std::uint64_t classSize = 0;
    for (const BasicTableSymmetry<Set>& symmetry : symmetries) {
      const auto at = std::lower_bound(sorted.begin(), sorted.end(), symmetry.Apply(sorted[i]));
      if (!counted[at - sorted.begin()]) {
        counted[at - sorted.begin()] = true;
        ++classSize;
      }
    }
    total = control.Add(total, control.Multiply(std::max<std::uint64_t>(classSize, 1),
                                                countRest(table.freeCells.Without(sorted[i]),
                                                          table.AllEntries() & ~(1u << first))));
  }
  return total;
}

template <typename Set, typename Count>
std::uint64_t CountWith(const BasicCoverTable<Set>& table,
                        const std::vector<BasicTableSymmetry<Set>>& symmetries,
                        SearchControl& control, Count count) {
  const int first = FoldingEntry(table, symmetries);
  if (first < 0) {
    return count(table.freeCells, table.AllEntries());
  }
  return CountByClasses(table, symmetries, first, control, count);
}

}  // namespace

template <typename Set>
std::uint64_t CountCovers(const BasicCoverTable<Set>& table,
                          const std::vector<BasicTableSymmetry<Set>>& symmetries,
                          SearchControl& control) {
  if (SomeEntryFitsNowhere(table)) {
    return 0;
  }
  if constexpr (std::is_same_v<Set, CellSet>) {
    if (FillsEveryCell(table)) {
      FillingCounter<false> counter(table, control);
      return CountWith(table, symmetries, control, [&](const Set& free, unsigned entries) {
        return counter.Count(free, entries);
      });
    }
  }
  Counter<Set, false> counter(table, control);
  return CountWith(table, symmetries, control, [&](const Set& free, unsigned entries) {
    return counter.Count(free, entries, free.Count());
  });
}

template <typename Set>
bool AnyCover(const BasicCoverTable<Set>& table, SearchControl& control) {
  if (SomeEntryFitsNowhere(table)) {
    return false;
  }
  if constexpr (std::is_same_v<Set, CellSet>) {
    if (FillsEveryCell(table)) {
      return FillingCounter<true>(table, control).Count(table.freeCells, table.AllEntries()) != 0;
    }
  }
  Counter<Set, true> counter(table, control);
  return counter.Count(table.freeCells, table.AllEntries(), table.cellCount) != 0;
}

template <typename Set>
std::uint64_t CountFixedCovers(const BasicCoverTable<Set>& table,
                               const BasicTableSymmetry<Set>& symmetry, SearchControl& control) {
  // An entry kept by the symmetry lies on a placement the symmetry keeps; two entries it
  // exchanges lie on a placement P and its image, and the image of the image must be P.
  std::vector<std::vector<Set>> units;
  for (int e = 0; e < table.entryCount; ++e) {
    const int image = symmetry.entry[e];
    if (image < e) {
      continue;
    }
    std::vector<Set>& options = units.emplace_back();
    for (const Set& placement : table.placements[e]) {
      const Set moved = symmetry.Apply(placement);
      if (image == e && moved == placement) {
        options.push_back(placement);
      } else if (image != e && moved.Disjoint(placement) && symmetry.Apply(moved) == placement) {
        options.push_back(moved);
        options.back() |= placement;
      }
    }
    if (options.empty()) {
      return 0;
    }
  }
  std::ranges::sort(units, {}, &std::vector<Set>::size);
  return CountDisjoint(units, 0, Set{}, control);
}

template std::uint64_t CountCovers(const CoverTable&, const std::vector<TableSymmetry>&,
                                   SearchControl&);
template std::uint64_t CountCovers(const BasicCoverTable<WideCellSet>&,
                                   const std::vector<BasicTableSymmetry<WideCellSet>>&,
                                   SearchControl&);
template bool AnyCover(const CoverTable&, SearchControl&);
template bool AnyCover(const BasicCoverTable<WideCellSet>&, SearchControl&);
template std::uint64_t CountFixedCovers(const CoverTable&, const TableSymmetry&, SearchControl&);
template std::uint64_t CountFixedCovers(const BasicCoverTable<WideCellSet>&,
                                        const BasicTableSymmetry<WideCellSet>&, SearchControl&);

}  // namespace kelvane
