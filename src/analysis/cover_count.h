// SPDX-License-Identifier: GPL-3.0-or-later
// Exact-cover searches over a cover table: counting and a yes-or-no check.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "analysis/cover_table.h"
#include "analysis/search_control.h"

namespace kelvane {

// A cover: the placement of each entry of the table, by entry.
using Cover = std::array<CellSet, kPieceCount>;

// The number of ways to lay every entry into the free cells, disjoint, leaving the cells beyond
// what the pieces need empty. `symmetries` (TableSymmetries, identity included) only speed the
// count up; an empty list is allowed. Meaningless once `control` is no longer Finished().
template <typename Set>
std::uint64_t CountCovers(const BasicCoverTable<Set>& table,
                          const std::vector<BasicTableSymmetry<Set>>& symmetries,
                          SearchControl& control);

// Whether CountCovers would be above 0.
template <typename Set>
bool AnyCover(const BasicCoverTable<Set>& table, SearchControl& control);

// The covers that `symmetry` sends onto themselves (each entry onto the placement of its image
// entry).
template <typename Set>
std::uint64_t CountFixedCovers(const BasicCoverTable<Set>& table,
                               const BasicTableSymmetry<Set>& symmetry, SearchControl& control);

}  // namespace kelvane
