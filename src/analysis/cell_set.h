// SPDX-License-Identifier: GPL-3.0-or-later
// A set of up to 128 Figure cells, one bit per cell, for the solver's fit tests.
#pragma once

#include <bit>
#include <cstdint>

namespace kelvane {

inline constexpr int kCellSetCapacity = 128;

// Bits set in a word, inline: without a target flag the library's popcount is a function call.
constexpr int BitCount(std::uint64_t bits) {
  bits -= (bits >> 1) & 0x5555555555555555u;
  bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
  bits = (bits + (bits >> 4)) & 0x0f0f0f0f0f0f0f0fu;
  return static_cast<int>((bits * 0x0101010101010101u) >> 56);
}

// Cells are numbered 0 … 127 by the caller; every operation is a couple of word operations.
struct CellSet {
  std::uint64_t low = 0;
  std::uint64_t high = 0;

  static CellSet Single(int cell) {
    const std::uint64_t bit = std::uint64_t{1} << (cell & 63);
    return cell < 64 ? CellSet{bit, 0} : CellSet{0, bit};
  }
  bool Empty() const { return (low | high) == 0; }
  bool Contains(int cell) const { return !Disjoint(Single(cell)); }
  int Count() const { return BitCount(low) + (high != 0 ? BitCount(high) : 0); }
  // The smallest cell of a set that is not empty.
  int Lowest() const { return low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(high); }
  bool Disjoint(const CellSet& other) const {
    return ((low & other.low) | (high & other.high)) == 0;
  }
  bool Within(const CellSet& other) const {
    return ((low & ~other.low) | (high & ~other.high)) == 0;
  }
  CellSet Without(const CellSet& other) const { return {low & ~other.low, high & ~other.high}; }
  CellSet Meet(const CellSet& other) const { return {low & other.low, high & other.high}; }
  CellSet& operator|=(const CellSet& other) {
    low |= other.low;
    high |= other.high;
    return *this;
  }
  friend bool operator==(const CellSet&, const CellSet&) = default;
  // An order for sorting and for choosing one of several equal positions.
  friend bool operator<(const CellSet& a, const CellSet& b) {
    return a.high != b.high ? a.high < b.high : a.low < b.low;
  }
};

// Calls visit(cell) for the cells of the set, lowest first, until it returns true; true then.
template <typename Visit>
bool AnyCell(const CellSet& set, Visit visit) {
  for (std::uint64_t bits = set.low; bits != 0; bits &= bits - 1) {
    if (visit(std::countr_zero(bits))) {
      return true;
    }
  }
  for (std::uint64_t bits = set.high; bits != 0; bits &= bits - 1) {
    if (visit(64 + std::countr_zero(bits))) {
      return true;
    }
  }
  return false;
}

template <typename Visit>
void ForEachCell(const CellSet& set, Visit visit) {
  AnyCell(set, [&](int cell) {
    visit(cell);
    return false;
  });
}

}  // namespace kelvane
