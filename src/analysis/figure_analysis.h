// SPDX-License-Identifier: GPL-3.0-or-later
// The solver for players and designers: completion counts, "can it still be done?", the distinct
// completions one by one, and the difficulty tier of a figure.
//
// A position is a figure (its non-zero cells) and a Field: a piece counts as laid when some Field
// cell inside the figure's bounding box holds its value (2 … 8), and the free cells are the
// figure's cells whose Field cell is 0. A completion lays every piece not yet laid on free cells,
// no two overlapping; cells beyond the 27 that the pieces fill stay empty. Two completions are
// the same distinct completion when a symmetry of the position (a turn or mirror image of the
// figure's box that maps the figure and the laid pieces onto themselves, a mirror image
// exchanging pieces 4 and 5; see figure_symmetry.h) sends one onto the other. The cube has 11,520
// completions and 240 distinct ones.
//
// Every function here is a pure function of its arguments: it reads no Game field but the Figure
// and the Field, needs no initialised orientation tables, and leaves WorkGrid alone, so Test, Hint
// and Show all keep finding the completion they find. Counts and checks take any figure the reader
// takes; the distinct completions are listed for positions of up to 128 free cells.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "analysis/count_limits.h"
#include "model/cell_grid.h"
#include "model/pieces.h"

namespace kelvane {

struct Game;

struct CompletionCounts {
  std::uint64_t completions = 0;  // every completion
  std::uint64_t distinct = 0;     // completions up to the position's symmetries
  friend bool operator==(const CompletionCounts&, const CompletionCounts&) = default;
};

// A count that `limits` may stop. One stopped early (cancelled, out of time, or with more than
// 2^64 - 1 completions) is not finished and its counts are 0. The search looks at the cancel flag
// and the clock every few thousand steps, so it ends soon after either says stop; building its
// tables first takes up to tens of milliseconds on the largest figures. It allocates its memo
// once and grows it, never beyond limits.memoBytes; a full memo only slows the count down.
// Safe to run on several threads at once, each with its own limits.
struct CountOutcome {
  CompletionCounts counts;
  bool finished = true;
};
CountOutcome CountCompletions(const CellGrid& figure, const CellGrid& field,
                              const CountLimits& limits);

// The counts of the position `figure` with the pieces on `field`, without limits. Fast enough to
// run on every change on library figures: each from empty within a few milliseconds. Nothing
// only for more than 2^64 - 1 completions; a large figure with many surplus cells can take
// longer than anyone waits, so a program that counts what a designer draws sets a time limit.
std::optional<CompletionCounts> CountCompletions(const CellGrid& figure, const CellGrid& field);
// The counts of a figure with nothing laid, as New game, the create panel and the tool show them.
std::optional<CompletionCounts> CountCompletions(const CellGrid& figure);

// "Can it still be done?": true when the pieces not on game.field can still complete
// game.figure around the laid ones (true when all seven lie there). Within a millisecond on
// library figures, so it can run after every move. Nothing when `limits` stopped it first.
std::optional<bool> CanStillComplete(const Game& game, const CountLimits& limits = {});
// The same for the position of `figure` with the pieces on `field`.
std::optional<bool> CanStillComplete(const CellGrid& figure, const CellGrid& field,
                                     const CountLimits& limits);

// One completion of a position: the grid indices (CellGrid::Index) of the cubes of each piece
// index 0 … 6, the laid pieces included where they lie; piece 7 has 3 cubes, its 4th index is -1.
struct Completion {
  std::array<std::array<std::int16_t, 4>, kPieceCount> cells{};
  friend bool operator==(const Completion&, const Completion&) = default;
};

// One completion of each distinct completion of the position of game.figure and game.field,
// each including the laid pieces where they lie. Always the same list for the same position, in
// a fixed order; empty when the position has no completion. Its size is
// CountCompletions(...).distinct. Nothing for positions of more than 128 free cells. The whole
// list can take longer than anyone waits on a figure with surplus cells; a program that shows
// them walks FindDistinctCompletions instead.
std::optional<std::vector<Completion>> DistinctCompletions(const Game& game);

// A few of those, found lazily.
struct CompletionRun {
  // In the list's order, or in reverse order when walking backward.
  std::vector<Completion> completions;
  // No more in that direction.
  bool reachedEnd = false;
};
// Up to `count` of DistinctCompletions' list for the position of `figure` and `field`: those
// after `after` (from the first when nothing), or, `backward`, those before it nearest first
// (from the last when nothing). Memory stays bounded by the table, not by the list. Nothing for
// more than 128 free cells or once `stop` (when given) is raised.
std::optional<CompletionRun> FindDistinctCompletions(const CellGrid& figure, const CellGrid& field,
                                                     const std::optional<Completion>& after,
                                                     int count, bool backward,
                                                     const std::atomic<bool>* stop);

// Writes every piece of `completion` into `grid` with its cell value (2 … 8), as Show all pieces
// writes WorkGrid into the Field; other cells are left as they are.
void LayCompletion(const Completion& completion, CellGrid& grid);

// Difficulty by distinct completions: Easy 100 or more, Medium 20 … 99, Hard 3 … 19, Expert 1 or 2,
// None without a completion.
enum class Tier { None, Easy, Medium, Hard, Expert };

Tier TierOf(std::uint64_t distinct);
// "Easy", "Medium", "Hard", "Expert"; "no completion" for None.
std::string_view TierName(Tier tier);

}  // namespace kelvane
