// SPDX-License-Identifier: GPL-3.0-or-later
// Depth-first search in the fixed piece order with forward checking of the pieces still to lay.
#include "analysis/ordered_search.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace kelvane {

namespace {

// The candidates of the pieces still to lay are bit sets over each entry's placements (bit i is
// placement i of the table). Row r holds them once entries 0 … r-2 are laid; row 0 holds all.
struct Search {
  const PlacementTable& table;
  // Entry e's bits lie in words firstWord[e] … firstWord[e+1]-1 of a row.
  std::array<int, kPieceCount + 1> firstWord{};
  int rowWords = 0;
  // Cubes that entries e … last need at least.
  std::array<int, kPieceCount + 1> cubesFrom{};
  // Row c: the placements of every entry that cover cell c.
  std::vector<std::uint64_t> hits;
  std::vector<std::uint64_t> rows;
  // The placement index of each entry laid so far.
  std::array<int, kPieceCount> chosen{};
  const CompletionVisit& visit;
  // Where the walk starts: below these indices, along the path of equal ones, nothing is tried.
  const std::optional<std::array<int, kPieceCount>>& from;
  const std::atomic<bool>* stop;
  const LongSearchCheck& longSearch;
  int trials = 0;
  bool abandoned = false;

  // Whether the walk ends here: stopped from outside, or judged not worth going on with.
  bool Ends() {
    if (++trials == kTrialsBeforeCheck && longSearch && !longSearch()) {
      abandoned = true;
    }
    return abandoned || (stop != nullptr && stop->load(std::memory_order_relaxed));
  }

  std::uint64_t* Row(int r) { return rows.data() + static_cast<std::ptrdiff_t>(r) * rowWords; }
  const std::uint64_t* Hits(int cell) const {
    return hits.data() + static_cast<std::ptrdiff_t>(cell) * rowWords;
  }
};

// Calls visit(i) for every set bit i of words first … end-1, lowest first.
template <typename Visit>
bool AnyBitWhere(const std::uint64_t* row, int first, int end, Visit visit) {
  for (int w = first; w < end; ++w) {
    for (std::uint64_t bits = row[w]; bits != 0; bits &= bits - 1) {
      if (visit((w - first) * 64 + std::countr_zero(bits))) {
        return true;
      }
    }
  }
  return false;
}

// Fills the row of entries `level` … last from the parent row, without the placements that
// touch `laid`. False when those pieces cannot complete `free`: too few cells are free, some
// piece has no place left, or (when they must fill every free cell) some free cell lies under
// no candidate.
bool Narrow(Search& search, int level, const CellSet& free, int freeCount, const CellSet& laid) {
  if (freeCount < search.cubesFrom[level]) {
    return false;
  }
  const std::uint64_t* parent = search.Row(level);
  std::uint64_t* child = search.Row(level + 1);
  const int first = search.firstWord[level];
  std::array<const std::uint64_t*, 27> laidHits;
  int laidCount = 0;
  ForEachCell(laid, [&](int cell) { laidHits[laidCount++] = search.Hits(cell); });
  // Entry by entry, so that an entry left without candidates stops the narrowing at once.
  for (int e = level; e < search.table.pieces.count; ++e) {
    std::uint64_t any = 0;
    for (int w = search.firstWord[e]; w < search.firstWord[e + 1]; ++w) {
      std::uint64_t keep = parent[w];
      for (int j = 0; j < laidCount; ++j) {
        keep &= ~laidHits[j][w];
      }
      child[w] = keep;
      any |= keep;
    }
    if (any == 0) {
      return false;
    }
  }
  if (freeCount > search.cubesFrom[level]) {
    return true;
  }
  // Every free cell must lie under some candidate.
  return !AnyCell(free, [&](int cell) {
    const std::uint64_t* hits = search.Hits(cell);
    for (int w = first; w < search.rowWords; ++w) {
      if ((child[w] & hits[w]) != 0) {
        return false;
      }
    }
    return true;
  });
}

// `onFrom`: the entries laid so far lie on the placements of `from`.
bool Descend(Search& search, int level, const CellSet& free, int freeCount, bool onFrom) {
  if (level == search.table.pieces.count) {
    return search.visit(search.chosen);
  }
  if (search.Ends()) {
    return false;
  }
  const std::vector<CellSet>& placements = search.table.placements[level];
  return AnyBitWhere(search.Row(level + 1), search.firstWord[level], search.firstWord[level + 1],
                     [&](int i) {
                       const int start = onFrom ? (*search.from)[level] : 0;
                       if (i < start) {
                         return false;
                       }
                       const CellSet& placement = placements[i];
                       const CellSet rest = free.Without(placement);
                       const int restCount = freeCount - placement.Count();
                       search.chosen[level] = i;
                       return Narrow(search, level + 1, rest, restCount, placement) &&
                              Descend(search, level + 1, rest, restCount, onFrom && i == start);
                     });
}

}  // namespace

bool VisitCompletionsInOrder(const PlacementTable& table,
                             const std::optional<std::array<int, kPieceCount>>& from,
                             const CompletionVisit& visit, const std::atomic<bool>* stop,
                             const LongSearchCheck& longSearch) {
  Search search{.table = table,
                .firstWord = {},
                .rowWords = 0,
                .cubesFrom = {},
                .hits = {},
                .rows = {},
                .visit = visit,
                .from = from,
                .stop = stop,
                .longSearch = longSearch};
  const int count = table.pieces.count;
  for (int e = 0; e < count; ++e) {
    const int placementCount = static_cast<int>(table.placements[e].size());
    search.firstWord[e + 1] = search.firstWord[e] + (placementCount + 63) / 64;
  }
  search.rowWords = search.firstWord[count];
  for (int e = count - 1; e >= 0; --e) {
    search.cubesFrom[e] = search.cubesFrom[e + 1] + table.cubes[e];
  }
  search.hits.assign(static_cast<std::size_t>(table.cellCount) * search.rowWords, 0);
  search.rows.assign(static_cast<std::size_t>(count + 2) * search.rowWords, 0);
  for (int e = 0; e < count; ++e) {
    const std::vector<CellSet>& placements = table.placements[e];
    for (int i = 0; i < static_cast<int>(placements.size()); ++i) {
      const int word = search.firstWord[e] + i / 64;
      const std::uint64_t bit = std::uint64_t{1} << (i % 64);
      search.rows[word] |= bit;
      ForEachCell(placements[i], [&](int cell) {
        search.hits[static_cast<std::size_t>(cell) * search.rowWords + word] |= bit;
      });
    }
  }
  return Narrow(search, 0, table.freeCells, table.cellCount, CellSet{}) &&
         Descend(search, 0, table.freeCells, table.cellCount, from.has_value());
}

bool FindFirstCompletion(const PlacementTable& table, std::array<CellSet, kPieceCount>& chosen,
                         const std::atomic<bool>* stop, const LongSearchCheck& longSearch) {
  return VisitCompletionsInOrder(
      table, std::nullopt,
      [&](const std::array<int, kPieceCount>& index) {
        for (int e = 0; e < table.pieces.count; ++e) {
          chosen[e] = table.placements[e][index[e]];
        }
        return true;
      },
      stop, longSearch);
}

}  // namespace kelvane
