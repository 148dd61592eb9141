// SPDX-License-Identifier: GPL-3.0-or-later
// A set of Figure cells, one bit per cell, for the solver's fit tests.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "model/cell_grid.h"

namespace kelvane {

// Bits set in a word, inline: without a target flag the library's popcount is a function call.
constexpr int BitCount(std::uint64_t bits) {
  bits -= (bits >> 1) & 0x5555555555555555u;
  bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
  bits = (bits + (bits >> 4)) & 0x0f0f0f0f0f0f0f0fu;
  return static_cast<int>((bits * 0x0101010101010101u) >> 56);
}

// Cells are numbered 0 … 64 × kWords − 1 by the caller; every operation is a word operation per
// word, which the compiler unrolls.
template <int kWords>
struct BasicCellSet {
  static constexpr int kCapacity = 64 * kWords;
  std::array<std::uint64_t, kWords> words{};

  static BasicCellSet Single(int cell) {
    BasicCellSet set;
    set.words[cell >> 6] = std::uint64_t{1} << (cell & 63);
    return set;
  }
  bool Empty() const {
    std::uint64_t any = 0;
    for (std::uint64_t word : words) {
      any |= word;
    }
    return any == 0;
  }
  bool Contains(int cell) const { return (words[cell >> 6] >> (cell & 63) & 1) != 0; }
  int Count() const {
    int count = 0;
    for (std::uint64_t word : words) {
      count += word != 0 ? BitCount(word) : 0;
    }
    return count;
  }
  // The smallest cell of a set that is not empty.
  int Lowest() const {
    int w = 0;
    while (words[w] == 0) {
      ++w;
    }
    return 64 * w + std::countr_zero(words[w]);
  }
  bool Disjoint(const BasicCellSet& other) const {
    std::uint64_t shared = 0;
    for (int w = 0; w < kWords; ++w) {
      shared |= words[w] & other.words[w];
    }
    return shared == 0;
  }
  bool Within(const BasicCellSet& other) const {
    std::uint64_t outside = 0;
    for (int w = 0; w < kWords; ++w) {
      outside |= words[w] & ~other.words[w];
    }
    return outside == 0;
  }
  BasicCellSet Without(const BasicCellSet& other) const {
    BasicCellSet rest;
    for (int w = 0; w < kWords; ++w) {
      rest.words[w] = words[w] & ~other.words[w];
    }
    return rest;
  }
  BasicCellSet Meet(const BasicCellSet& other) const {
    BasicCellSet both;
    for (int w = 0; w < kWords; ++w) {
      both.words[w] = words[w] & other.words[w];
    }
    return both;
  }
  BasicCellSet& operator|=(const BasicCellSet& other) {
    for (int w = 0; w < kWords; ++w) {
      words[w] |= other.words[w];
    }
    return *this;
  }
  friend bool operator==(const BasicCellSet&, const BasicCellSet&) = default;
  // An order for sorting and for choosing one of several equal positions: the highest word
  // decides first.
  friend bool operator<(const BasicCellSet& a, const BasicCellSet& b) {
    for (int w = kWords - 1; w > 0; --w) {
      if (a.words[w] != b.words[w]) {
        return a.words[w] < b.words[w];
      }
    }
    return a.words[0] < b.words[0];
  }
};

// Up to 128 cells: every library figure and the searches of Test puzzle.
using CellSet = BasicCellSet<2>;
// Every cell of the grid, for the counts of figures with more free cells.
using WideCellSet = BasicCellSet<(kGridCells + 63) / 64>;

inline constexpr int kCellSetCapacity = CellSet::kCapacity;

// Calls visit(cell) for the cells of the set, lowest first, until it returns true; true then.
template <int kWords, typename Visit>
bool AnyCell(const BasicCellSet<kWords>& set, Visit visit) {
  for (int w = 0; w < kWords; ++w) {
    for (std::uint64_t bits = set.words[w]; bits != 0; bits &= bits - 1) {
      if (visit(64 * w + std::countr_zero(bits))) {
        return true;
      }
    }
  }
  return false;
}

template <int kWords, typename Visit>
void ForEachCell(const BasicCellSet<kWords>& set, Visit visit) {
  AnyCell(set, [&](int cell) {
    visit(cell);
    return false;
  });
}

}  // namespace kelvane
