// SPDX-License-Identifier: GPL-3.0-or-later
// Stepping through the figure's distinct completions on the Field, found a few at a time, with a
// way back to the player's own position.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "analysis/figure_analysis.h"
#include "model/cell_grid.h"
#include "model/pieces.h"
#include "model/text_template.h"

namespace kelvane {

struct Game;

// What the player had on the Field before the browser laid its first solution.
struct PlayerPosition {
  CellGrid field;
  std::array<CellGrid, kPieceCount> pieceGrids;
  std::array<std::uint8_t, kPieceCount> hideFlags{};
};

struct SolutionBrowser {
  // The solutions numbered keptFirst … keptFirst + kept.size() - 1 (from 0), in
  // DistinctCompletions' order: a window round the one shown, so memory stays bounded.
  std::deque<Completion> kept;
  int keptFirst = 0;
  int shown = -1;
  // How many there are, once known.
  std::optional<std::uint64_t> total;
  // Whether the solutions keep the player's pieces (false: they allowed none, so the browser
  // shows the figure's own solutions), and the pieces they keep.
  bool fromPlayersPieces = false;
  CellGrid keptField;
  PlayerPosition player;
  // The Figure and the Field as the browser last left them: any other change ends browsing.
  CellGrid figure;
  CellGrid laid;
};

// The search that a step needs; it reads no Game, so it may run in a worker.
struct SolutionSearch {
  CellGrid figure;
  // The pieces the solutions keep; at the start, the player's, which are given up for none
  // when they allow no completion.
  CellGrid field;
  bool start = false;
  bool backward = false;
  // The solution to go on from; nothing: from the first, or backward from the last.
  std::optional<Completion> after;
  // Backward from the last: its number needs the count.
  bool needsTotal = false;
};

struct SolutionsFound {
  CompletionRun run;
  CellGrid field;
  // From the start: the first ones when they must be the figure's own. From the end of the list
  // onward: the first ones again.
  bool fromPlayersPieces = true;
  bool wrapped = false;
  std::optional<std::uint64_t> total;
};

// True while the Field still shows the solution the browser laid last.
bool IsBrowsing(const Game& game, const SolutionBrowser& browser);

// The search before the next (+1) or previous (-1) solution can be laid; nothing when the browser
// holds it already.
std::optional<SolutionSearch> SearchForStep(const Game& game, const SolutionBrowser& browser,
                                            int step);
// Runs it; nothing once `stop` (when given) is raised.
std::optional<SolutionsFound> RunSolutionSearch(const SolutionSearch& search,
                                                const std::atomic<bool>* stop);

// Lays the next (+1) or previous (-1) solution, wrapping round, with what `search` found when
// SearchForStep asked for one (both null otherwise); outside browsing it starts at the first or
// the last, and records one move for the whole visit, so one Undo returns to the player's own
// Field. Each is laid as Show all pieces lays it, so no win is announced. False, with nothing
// changed, when there is no completion to show (or the figure is too large to enumerate).
bool TakeSolutionStep(Game& game, SolutionBrowser& browser, int step, const SolutionSearch* search,
                      const SolutionsFound* found);
// The same with the search run here, for programs without a window.
bool StepSolutions(Game& game, SolutionBrowser& browser, int step);

// Puts the player's own position back, as a move of its own (the win stays forfeited, as after
// Show all pieces); nothing outside browsing.
void LeaveSolutions(Game& game, SolutionBrowser& browser);

// "Solution k of N", or "Solution k of at least N" while the total is not known.
std::string SolutionCaption(const SolutionBrowser& browser,
                            const Wording& words = EnglishWording());

// The caption's second line, whose solutions these are, while the player has pieces laid; empty
// otherwise.
std::string SolutionSourceLine(const SolutionBrowser& browser,
                               const Wording& words = EnglishWording());

}  // namespace kelvane
