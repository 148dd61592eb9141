// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and Redo of the moves on the Field, without a fixed limit for a puzzle's life.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/cell_grid.h"
#include "model/pieces.h"
#include "model/platform.h"

namespace kelvane {

struct Game;

// The Field as it was before (undo) or after (redo) a move, with the view's quarter turns at that
// moment, so that it can be turned to the view the player sees when it comes back.
struct FieldSnapshot {
  CellGrid field;
  std::int8_t viewTurns = 0;
  // Only Restart, which clears the hide flags, keeps them: other moves leave them alone.
  std::optional<std::array<std::uint8_t, kPieceCount>> hideFlags;
};

// Owned by the Game but outside its fixed-size part: the steps live on the heap.
struct MoveHistory {
  std::vector<FieldSnapshot> undo;
  std::vector<FieldSnapshot> redo;
  // Quarter turns of the view since the history began, modulo 4.
  std::int8_t viewTurns = 0;
};

// Called by every move just before it changes the Field: keeps the Field for Undo and drops the
// redo steps.
void RecordMove(Game& game);

// Starting another puzzle or a create mode: no step to undo or redo.
void BeginNewHistory(Game& game);

// Called by the view turn with the number of Rotate +90 degrees turns it applied.
void NoteViewTurn(Game& game, int quarterTurns);

bool CanUndo(const Game& game);
bool CanRedo(const Game& game);

// Put the Field back as it was before the last move (after the last undone one), in terms of the
// current view. Pieces on the Field take their shape from it; a piece that leaves keeps the
// orientation it had there, as when picked up. The win flag, hide flags, layers and selection
// stay: the congratulation stays once per puzzle. Refresh the command states and repaint.
void Undo(Game& game, Platform& platform);
void Redo(Game& game, Platform& platform);

// Restart puzzle: every piece (or created cube) leaves the Field and no piece stays hidden; the
// Figure and the view stay. One Undo brings the Field back.
void RestartPuzzle(Game& game, Platform& platform);

}  // namespace kelvane
