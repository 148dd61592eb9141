// Covering the most hemmed-in free cell first, with the counts of positions met before remembered.
#include "analysis/cover_count.h"

#include <algorithm>
#include <bit>

namespace kelvane {

namespace {

// Counts of positions (free cells and entries still to lay) already searched. Open addressing:
// positions recur so often that a standard map's allocations would dominate.
class Memo {
 public:
  explicit Memo(int capacityBits) : slots_(std::size_t{1} << capacityBits) {}

  std::uint64_t* Find(const CellSet& free, unsigned entries) {
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

  void Store(const CellSet& free, unsigned entries, std::uint64_t count) {
    if (2 * (used_ + 1) > slots_.size()) {
      Grow();
    }
    Put(free, entries, count);
  }

 private:
  struct Slot {
    CellSet free;
    unsigned entries = 0;  // 1 + the mask, so that 0 marks an empty slot
    std::uint64_t count = 0;
  };

  std::size_t Hash(const CellSet& free, unsigned entries) const {
    const std::uint64_t mixed = (free.low * 0x9e3779b97f4a7c15u) ^
                                (free.high * 0xc2b2ae3d27d4eb4fu) ^ (entries * 0x165667b1u);
    return static_cast<std::size_t>(mixed ^ (mixed >> 29)) & (slots_.size() - 1);
  }

  void Put(const CellSet& free, unsigned entries, std::uint64_t count) {
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

  std::vector<Slot> slots_;
  std::size_t used_ = 0;
};

// The free cell with the fewest free neighbours: the fewest placements can cover it.
int HemmedInCell(const CoverTable& table, const CellSet& free) {
  int best = -1;
  int fewest = 7;
  AnyCell(free, [&](int cell) {
    const int count = free.Meet(table.neighbours[cell]).Count();
    if (count < fewest) {
      best = cell;
      fewest = count;
    }
    return fewest <= 1;
  });
  return best;
}

// Either every cover is counted, or the search stops at the first (then the count is 0 or 1).
template <bool kStopAtFirst>
class Counter {
 public:
  explicit Counter(const CoverTable& table) : table_(table), memo_(12) {}

  std::uint64_t Count(const CellSet& free, unsigned entries, int have) {
    if (entries == 0) {
      return 1;
    }
    const int need = table_.cubesOf[entries];
    if (have < need) {
      return 0;
    }
    const bool remember = std::popcount(entries) >= 2;
    if (remember) {
      if (const std::uint64_t* known = memo_.Find(free, entries)) {
        return *known;
      }
    }
    const int cell = HemmedInCell(table_, free);
    std::uint64_t total = 0;
    for (unsigned rest = entries; rest != 0 && !(kStopAtFirst && total != 0); rest &= rest - 1) {
      const int e = std::countr_zero(rest);
      const CellSet* placement = table_.covers.data() + table_.coverBegin[cell * kPieceCount + e];
      const CellSet* end = table_.covers.data() + table_.coverBegin[cell * kPieceCount + e + 1];
      for (; placement != end; ++placement) {
        if (placement->Within(free)) {
          total += Count(free.Without(*placement), entries & ~(1u << e), have - table_.cubes[e]);
          if (kStopAtFirst && total != 0) {
            break;
          }
        }
      }
    }
    if (have > need && !(kStopAtFirst && total != 0)) {
      total += Count(free.Without(CellSet::Single(cell)), entries, have - 1);
    }
    if (remember) {
      memo_.Store(free, entries, total);
    }
    return total;
  }

 private:
  const CoverTable& table_;
  Memo memo_;
};

// The entry that every symmetry keeps and that has the most placements, or -1.
int FoldingEntry(const CoverTable& table, const std::vector<TableSymmetry>& symmetries) {
  int best = -1;
  for (int e = 0; e < table.entryCount; ++e) {
    const bool kept =
        std::ranges::all_of(symmetries, [&](const auto& s) { return s.entry[e] == e; });
    if (kept && (best < 0 || table.placements[e].size() > table.placements[best].size())) {
      best = e;
    }
  }
  return best;
}

// Selections of one option per unit, pairwise disjoint.
std::uint64_t CountDisjoint(const std::vector<std::vector<CellSet>>& units, std::size_t unit,
                            const CellSet& used) {
  if (unit == units.size()) {
    return 1;
  }
  std::uint64_t total = 0;
  for (const CellSet& option : units[unit]) {
    if (option.Disjoint(used)) {
      CellSet next = used;
      next |= option;
      total += CountDisjoint(units, unit + 1, next);
    }
  }
  return total;
}

}  // namespace

std::uint64_t CountCovers(const CoverTable& table, const std::vector<TableSymmetry>& symmetries) {
  Counter<false> counter(table);
  const unsigned all = table.AllEntries();
  const int first = FoldingEntry(table, symmetries);
  if (first < 0) {
    return counter.Count(table.freeCells, all, table.cellCount);
  }
  // Every cover lays `first` somewhere; placements that a symmetry maps onto each other have
  // equally many covers, so each class is counted once and weighed by its size.
  const std::vector<CellSet>& placements = table.placements[first];
  std::vector<CellSet> sorted = placements;
  std::sort(sorted.begin(), sorted.end());
  std::vector<bool> counted(sorted.size());
  std::uint64_t total = 0;
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    if (counted[i]) {
      continue;
    }
    std::uint64_t classSize = 0;
    for (const TableSymmetry& symmetry : symmetries) {
      const auto at = std::lower_bound(sorted.begin(), sorted.end(), symmetry.Apply(sorted[i]));
      if (!counted[at - sorted.begin()]) {
        counted[at - sorted.begin()] = true;
        ++classSize;
      }
    }
    total += std::max<std::uint64_t>(classSize, 1) *
             counter.Count(table.freeCells.Without(sorted[i]), all & ~(1u << first),
                           table.cellCount - table.cubes[first]);
  }
  return total;
}

bool AnyCover(const CoverTable& table) {
  Counter<true> counter(table);
  return counter.Count(table.freeCells, table.AllEntries(), table.cellCount) != 0;
}

std::uint64_t CountFixedCovers(const CoverTable& table, const TableSymmetry& symmetry) {
  // An entry kept by the symmetry lies on a placement the symmetry keeps; two entries it
  // exchanges lie on a placement P and its image, and the image of the image must be P.
  std::vector<std::vector<CellSet>> units;
  for (int e = 0; e < table.entryCount; ++e) {
    const int image = symmetry.entry[e];
    if (image < e) {
      continue;
    }
    std::vector<CellSet>& options = units.emplace_back();
    for (const CellSet& placement : table.placements[e]) {
      const CellSet moved = symmetry.Apply(placement);
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
  std::ranges::sort(units, {}, &std::vector<CellSet>::size);
  return CountDisjoint(units, 0, CellSet{});
}

void ForEachCover(const CoverTable& table, const std::function<void(const Cover&)>& visit) {
  Cover chosen;
  const std::function<void(const CellSet&, unsigned, int)> search =
      [&](const CellSet& free, unsigned entries, int have) {
        if (entries == 0) {
          visit(chosen);
          return;
        }
        const int need = table.cubesOf[entries];
        if (have < need) {
          return;
        }
        const int cell = HemmedInCell(table, free);
        for (unsigned rest = entries; rest != 0; rest &= rest - 1) {
          const int e = std::countr_zero(rest);
          for (int i = table.coverBegin[cell * kPieceCount + e];
               i < table.coverBegin[cell * kPieceCount + e + 1]; ++i) {
            const CellSet& placement = table.covers[i];
            if (placement.Within(free)) {
              chosen[e] = placement;
              search(free.Without(placement), entries & ~(1u << e), have - table.cubes[e]);
            }
          }
        }
        if (have > need) {
          search(free.Without(CellSet::Single(cell)), entries, have - 1);
        }
      };
  search(table.freeCells, table.AllEntries(), table.cellCount);
}

}  // namespace kelvane
