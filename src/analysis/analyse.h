// SPDX-License-Identifier: GPL-3.0-or-later
// The three Analyse commands: Test puzzle, Hint by show one piece and Show all pieces.
#pragma once

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

// Lays `completed` (the Field with every piece laid) as Show all pieces does: clears the
// win-announcement flag, shows every piece and turns every piece grid to its orientation there.
// Leaves WorkGrid holding the last piece. Records no move: the caller decides what one Undo takes
// back.
void RevealCompletion(Game& game, const CellGrid& completed);

}  // namespace kelvane
