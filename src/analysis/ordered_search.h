// SPDX-License-Identifier: GPL-3.0-or-later
// The first completion in the plain search's order, found over precomputed placements.
#pragma once

#include <array>
#include <atomic>
#include <functional>
#include <optional>

#include "analysis/cell_set.h"
#include "analysis/placements.h"

namespace kelvane {

// Lays the table's pieces in list order, each trying its placements in table order, and stops
// at the first completion: the same one that trying every orientation and anchor in turn would
// find, because only subtrees without a completion are cut. On success chosen[e] holds the cells
// of entry e of the table's piece list. False too once `stop` (when given) is raised.
// Called with the placement index of each entry of a completion; true stops the walk.
using CompletionVisit = std::function<bool(const std::array<int, kPieceCount>&)>;
// Asked once, when the walk has tried kTrialsBeforeCheck placements: false ends it there (false).
using LongSearchCheck = std::function<bool()>;
inline constexpr int kTrialsBeforeCheck = 128;

// Calls visit for each completion in the order the search above tries them, from the first
// whose indices are not below `from` in that order (every one when nothing), until visit returns
// true (true then). False too once `stop` (when given) is raised.
bool VisitCompletionsInOrder(const PlacementTable& table,
                             const std::optional<std::array<int, kPieceCount>>& from,
                             const CompletionVisit& visit, const std::atomic<bool>* stop,
                             const LongSearchCheck& longSearch = {});

bool FindFirstCompletion(const PlacementTable& table, std::array<CellSet, kPieceCount>& chosen,
                         const std::atomic<bool>* stop = nullptr,
                         const LongSearchCheck& longSearch = {});

}  // namespace kelvane
