// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and Redo of the moves on the Field, without a fixed limit for a puzzle's life.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "model/cell_grid.h"
#include "model/pieces.h"
#include "model/platform.h"
#include "model/play_tally.h"

namespace kelvane {

struct Game;

// The Field as it was before (undo) or after (redo) a move, with the view's quarter turns at that
// moment, so that it can be turned to the view the player sees when it comes back.
struct FieldSnapshot {
  CellGrid field;
  std::int8_t viewTurns = 0;
  // Only Restart, which clears the hide flags, and a change of puzzle keep them: other moves
  // leave them alone.
  std::optional<std::array<std::uint8_t, kPieceCount>> hideFlags;
};

// What a change of puzzle replaces besides the Field and the hide flags. The piece shapes and
// orientation tables are not kept: a change of puzzle leaves them, and the pieces on the Field take
// their shape from it.
struct PuzzleSnapshot {
  CellGrid figure;
  std::int32_t currentLayer = 0;
  std::int32_t shownLayers = 0;
  std::int32_t createMode = 0;
  std::int32_t creationKind = 0;
  std::int32_t winAnnouncement = 0;
  // With its clock standing at the time it was left.
  PlayTally play;
};

struct HistoryStep {
  FieldSnapshot field;
  // Set only for a change of puzzle; shared so that a Game stays copyable.
  std::shared_ptr<const PuzzleSnapshot> puzzle;
};

// A long session keeps this many changes of puzzle, with the moves between them; older ones go.
inline constexpr int kPuzzleChangesKept = 20;

// Owned by the Game but outside its fixed-size part: the steps live on the heap.
struct MoveHistory {
  std::vector<HistoryStep> undo;
  std::vector<HistoryStep> redo;
  // Quarter turns of the view since the history began, modulo 4.
  std::int8_t viewTurns = 0;
};

// Called by every move just before it changes the Field: keeps the Field for Undo and drops the
// redo steps.
void RecordMove(Game& game);

// Called just before another puzzle or a create mode replaces the one in play: one Undo brings
// it back whole, with its Field, layers, hide flags, view, name, clock and moves.
void RecordPuzzleChange(Game& game, Platform& platform);

// A game resumed at start: no step to undo or redo.
void BeginNewHistory(Game& game);

// Called by the view turn with the number of Rotate +90 degrees turns it applied.
void NoteViewTurn(Game& game, int quarterTurns);

bool CanUndo(const Game& game);
bool CanRedo(const Game& game);

// Put the Field back as it was before the last move (after the last undone one), in terms of the
// current view. Pieces on the Field take their shape from it; a piece that leaves keeps the
// orientation it had there, as when picked up. The win flag, hide flags, layers and selection
// stay: the congratulation stays once per puzzle. A change of puzzle brings the other puzzle
// back as it was left, its clock running again if it ran, and counts no move. Refresh the
// command states and repaint.
void Undo(Game& game, Platform& platform);
void Redo(Game& game, Platform& platform);

// Restart puzzle: every piece (or created cube) leaves the Field and no piece stays hidden; the
// Figure and the view stay. One Undo brings the Field back.
void RestartPuzzle(Game& game, Platform& platform);

}  // namespace kelvane
