// SPDX-License-Identifier: GPL-3.0-or-later
// The New game list by difficulty: each entry's grade from the cache, the order from Easy to
// Expert, and the progress in each tier.
#pragma once

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "storage/grades_file.h"
#include "storage/new_game_dialog.h"

namespace kelvane {

enum class LibraryOrder { ByName, ByDifficulty };

// The entry's tier, nothing while it is not graded or when its file does not read.
std::optional<Tier> EntryTier(const NewGameList& list, std::size_t entry,
                              const PuzzleGrades& grades);

// The keys of the readable entries that `grades` lacks, each once.
std::vector<std::string> UngradedKeys(const NewGameList& list, const PuzzleGrades& grades);

// Grades the figures of `keys`, for a worker thread; stops soon, with what it has, once `cancel`
// is set.
PuzzleGrades GradeKeys(const std::vector<std::string>& keys, const std::atomic<bool>& cancel);

// Puts the entries, their marks and keys in `order`; the selection stays on its entry. By
// difficulty: Easy, Medium, Hard, Expert, by name within each; then the entries without a tier
// (not graded yet, unreadable, or without a completion), by name.
void OrderNewGameList(NewGameList& list, LibraryOrder order, const PuzzleGrades& grades);

// "Easy 12/33 · Medium 3/21 · Hard 0/32 · Expert 0/20": solved and graded entries per tier.
std::string TierProgress(const NewGameList& list, const PuzzleGrades& grades,
                         const Wording& words = EnglishWording());

}  // namespace kelvane
