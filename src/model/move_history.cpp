// SPDX-License-Identifier: GPL-3.0-or-later
// Undo, Redo and Restart puzzle over snapshots of the Field.
#include "model/move_history.h"

#include <algorithm>
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

HistoryStep PuzzleStep(const Game& game, Platform& platform) {
  PlayTally play = game.play;
  play.clock.elapsedMs = ElapsedMs(play.clock, platform.Milliseconds());
  play.clock.runningSince.reset();
  return {{game.field, game.history.viewTurns, game.hideFlags},
          std::make_shared<const PuzzleSnapshot>(
              PuzzleSnapshot{game.figure, game.currentLayer, game.shownLayers, game.createMode,
                             game.creationKind, game.winAnnouncement, play})};
}

// The snapshot's Figure comes back in the view it had, so its Field needs no turn.
void RestorePuzzle(Game& game, Platform& platform, const HistoryStep& step) {
  const PuzzleSnapshot& puzzle = *step.puzzle;
  game.figure = puzzle.figure;
  game.field = step.field.field;
  game.history.viewTurns = step.field.viewTurns;
  game.hideFlags = *step.field.hideFlags;
  game.currentLayer = puzzle.currentLayer;
  game.shownLayers = puzzle.shownLayers;
  game.createMode = puzzle.createMode;
  game.creationKind = puzzle.creationKind;
  game.winAnnouncement = puzzle.winAnnouncement;
  const unsigned pauses = game.play.pauses;
  game.play = puzzle.play;
  game.play.pauses = pauses;
  TakePlacedPieceShapes(game);
  platform.FitWindow();
  platform.ResetPanel();
  SettleClock(game, platform);
}

// Moves what is in play onto `to` and brings back the newest step of `from`.
void Step(Game& game, Platform& platform, std::vector<HistoryStep>& from,
          std::vector<HistoryStep>& to) {
  if (from.empty()) {
    return;
  }
  const HistoryStep step = std::move(from.back());
  from.pop_back();
  if (step.puzzle) {
    to.push_back(PuzzleStep(game, platform));
    RestorePuzzle(game, platform, step);
  } else {
    to.push_back({{game.field, game.history.viewTurns,
                   step.field.hideFlags ? std::optional(game.hideFlags) : std::nullopt},
                  nullptr});
    if (step.field.hideFlags) {
      game.hideFlags = *step.field.hideFlags;
    }
    game.field = FieldInCurrentView(game, step.field);
    TakePlacedPieceShapes(game);
    CountMove(game, platform);
  }
  UpdateCommandStates(game, platform);
  platform.Invalidate(false);
}

// Drops the oldest change of puzzle, and the moves before it, once there are too many.
void TrimPuzzleChanges(std::vector<HistoryStep>& undo) {
  const auto isChange = [](const HistoryStep& step) { return step.puzzle != nullptr; };
  if (std::ranges::count_if(undo, isChange) > kPuzzleChangesKept) {
    undo.erase(undo.begin(), std::ranges::find_if(undo, isChange) + 1);
  }
}

}  // namespace

void RecordMove(Game& game) {
  game.history.undo.push_back({{game.field, game.history.viewTurns, std::nullopt}, nullptr});
  game.history.redo.clear();
}

void RecordPuzzleChange(Game& game, Platform& platform) {
  game.history.undo.push_back(PuzzleStep(game, platform));
  game.history.redo.clear();
  TrimPuzzleChanges(game.history.undo);
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
  game.history.undo.back().field.hideFlags = game.hideFlags;
  game.field.Clear();
  game.hideFlags.fill(0);
  UpdateCommandStates(game, platform);
  platform.Invalidate(false);
}

}  // namespace kelvane
