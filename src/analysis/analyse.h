// SPDX-License-Identifier: GPL-3.0-or-later
// The three Analyse commands: Test puzzle, Hint by show one piece and Show all pieces.
#pragma once

#include <atomic>
#include <memory>
#include <optional>

#include "model/cell_grid.h"

namespace kelvane {

struct Game;
class Platform;

enum class AnalyseMode { Test, Hint, ShowAll };

// Searches for a completion of the Field (ShowAll asks "Are you shure?" first and stops at No)
// and, when there is none, says "Test is not passed." and changes nothing else. When there is:
// - Test changes nothing the player sees; WorkGrid keeps the completion.
// - Hint lays one piece not yet on the Field, drawn with game.randomSource, where the completion
//   puts it, and turns that piece's grid to the orientation it lies in.
// - ShowAll lays the whole completion, shows every piece and turns every piece grid to its
//   orientation on the Field.
// Hint and ShowAll clear the win-announcement flag. All three then invalidate the window and say
// "Test is passed successfully". The caller refreshes the command states.
void AnalysePuzzle(Game& game, Platform& platform, AnalyseMode mode);

// AnalysePuzzle in its three steps, so that the search may run in a worker on a SearchCopy:
// ShowAll's question (false at No, true in the other modes);
bool ConfirmAnalysis(Game& game, Platform& platform, AnalyseMode mode);
// the search from the Field into WorkGrid, as SolveFrom finds it: true found, false none, nothing
// when `stop` was raised first. Where the counter proves within a moment that no completion
// exists, the answer comes without the search, which on a large figure could run for hours;
std::optional<bool> SearchCompletion(Game& game, const std::atomic<bool>* stop = nullptr);
// and the mode's own work with WorkGrid (a completion when `found`) and the closing message.
void ReportAnalysis(Game& game, Platform& platform, AnalyseMode mode, bool found);

// A Game with what the search reads of `game`: the Figure, the Field and the orientation tables.
std::shared_ptr<Game> SearchCopy(const Game& game);

// Lays `completed` (the Field with every piece laid) as Show all pieces does: clears the
// win-announcement flag, shows every piece and turns every piece grid to its orientation there.
// Leaves WorkGrid holding the last piece. Records no move: the caller decides what one Undo takes
// back.
void RevealCompletion(Game& game, const CellGrid& completed);

}  // namespace kelvane
