// SPDX-License-Identifier: GPL-3.0-or-later
// Undo, Redo and Restart puzzle over snapshots of the Field.
#include "model/move_history.h"

#include <utility>

#include "model/command_states.h"
#include "model/game.h"
#include "model/play_tally.h"
#include "model/view_turn.h"

namespace kelvane {

namespace {

std::int8_t QuarterTurns(int turns) {
  return static_cast<std::int8_t>(((turns % 4) + 4) % 4);
}

// The snapshot's Field turned to the current view. The Figure does not change within a history,
// only turns, so its box at the snapshot is today's with X and Y swapped after an odd turn.
CellGrid FieldInCurrentView(const Game& game, const FieldSnapshot& snapshot) {
  CellGrid field = snapshot.field;
  const int turns = QuarterTurns(game.history.viewTurns - snapshot.viewTurns);
  if (turns != 0) {
    Extents box = GridExtents(game.figure);
    if (turns % 2 != 0) {
      std::swap(box.x, box.y);
    }
    TurnFieldWithinBox(field, box, turns);
  }
  return field;
}

// Moves the Field onto `to` and brings back the newest snapshot of `from`.
void Step(Game& game, Platform& platform, std::vector<FieldSnapshot>& from,
          std::vector<FieldSnapshot>& to) {
  if (from.empty()) {
    return;
  }
  const std::optional<std::array<std::uint8_t, kPieceCount>> hideFlags = from.back().hideFlags;
  to.push_back({game.field, game.history.viewTurns,
                hideFlags ? std::optional(game.hideFlags) : std::nullopt});
  if (hideFlags) {
    game.hideFlags = *hideFlags;
  }
  game.field = FieldInCurrentView(game, from.back());
  from.pop_back();
  TakePlacedPieceShapes(game);
  CountMove(game, platform);
  UpdateCommandStates(game, platform);
  platform.Invalidate(false);
}

}  // namespace

void RecordMove(Game& game) {
  game.history.undo.push_back({game.field, game.history.viewTurns, std::nullopt});
  game.history.redo.clear();
}

void BeginNewHistory(Game& game) {
  game.history = MoveHistory{};
}

void NoteViewTurn(Game& game, int quarterTurns) {
  game.history.viewTurns = QuarterTurns(game.history.viewTurns + quarterTurns);
}

bool CanUndo(const Game& game) {
  return !game.history.undo.empty();
}

bool CanRedo(const Game& game) {
  return !game.history.redo.empty();
}

void Undo(Game& game, Platform& platform) {
  Step(game, platform, game.history.undo, game.history.redo);
}

void Redo(Game& game, Platform& platform) {
  Step(game, platform, game.history.redo, game.history.undo);
}

void RestartPuzzle(Game& game, Platform& platform) {
  RestartTally(game);
  SettleClock(game, platform);
  if (!GridHasCells(game.field)) {
    return;
  }
  RecordMove(game);
  game.history.undo.back().hideFlags = game.hideFlags;
  game.field.Clear();
  game.hideFlags.fill(0);
  UpdateCommandStates(game, platform);
  platform.Invalidate(false);
}

}  // namespace kelvane
