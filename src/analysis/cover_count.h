// SPDX-License-Identifier: GPL-3.0-or-later
// Exact-cover searches over a CoverTable: counting, a yes-or-no check and enumeration.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "analysis/cover_table.h"

namespace kelvane {

// A cover: the placement of each entry of the table, by entry.
using Cover = std::array<CellSet, kPieceCount>;

// The number of ways to lay every entry into the free cells, disjoint, leaving the cells beyond
// what the pieces need empty. `symmetries` (TableSymmetries, identity included) only speed the
// count up; an empty list is allowed.
std::uint64_t CountCovers(const CoverTable& table, const std::vector<TableSymmetry>& symmetries);

// Whether CountCovers would be above 0.
bool AnyCover(const CoverTable& table);

// The covers that `symmetry` sends onto themselves (each entry onto the placement of its image
// entry).
std::uint64_t CountFixedCovers(const CoverTable& table, const TableSymmetry& symmetry);

// Calls visit for every cover, in an order of the search's own.
void ForEachCover(const CoverTable& table, const std::function<void(const Cover&)>& visit);

}  // namespace kelvane
