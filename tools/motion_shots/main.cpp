// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the window at chosen moments of its motions: a view turn half-way, a laid piece half-way
// down and the finished figure lit up after the win.
#include <algorithm>

#include "analysis/analyse.h"
#include "analysis/solver.h"
#include "model/game.h"
#include "model/motion_timeline.h"
#include "model/placement.h"
#include "model/view_turn.h"
#include "shell/main_window.h"
#include "shot_session.h"

namespace kelvane {
namespace {

// The default figure completed by the solver, without the pieces from `firstMissing` on.
void LayCompletionUpTo(Game& game, const CellGrid& completed, int firstMissing) {
  RevealCompletion(game, completed);
  for (int k = firstMissing; k < kPieceCount; ++k) {
    ClearCellValue(game.field, PieceCellValue(k));
  }
  game.winAnnouncement = 1;
}

// Lays piece k where the completion has it, as a click on its lowest corner would.
void LayAsCompleted(Game& game, Platform& platform, const CellGrid& completed, int k) {
  Extents corner{kGridSize, kGridSize, kGridSize};
  for (int z = 0; z < kGridSize; ++z) {
    for (int y = 0; y < kGridSize; ++y) {
      for (int x = 0; x < kGridSize; ++x) {
        if (completed.at(x, y, z) == PieceCellValue(k)) {
          corner = {std::min(corner.x, x), std::min(corner.y, y), std::min(corner.z, z)};
        }
      }
    }
  }
  platform.SetPanelSelection(k + 1);
  game.currentLayer = corner.z;
  PlaceSelectedPiece(game, platform, FloorCell{corner.x, corner.y});
}

// The motion just started is `ms` old.
void AtMoment(Game& game, Platform& platform, int ms) {
  game.motion.startMs = platform.Milliseconds() - ms;
}

bool DrawMotions(Game& game, MainWindow& window, const QStringList& folders) {
  Platform& platform = window.GamePlatform();
  game.extras.animation = true;
  game.WorkGrid = game.field;
  SolveFrom(game, 0, GridExtents(game.figure));
  const CellGrid completed = game.WorkGrid;
  bool saved = true;

  // Each motion starts just before its picture, so that the window's own tick never ends it;
  // what a tick would still do afterwards is dropped.
  // Piece 3 stands at the front, where its drop shows best.
  LayCompletionUpTo(game, completed, 5);
  ClearCellValue(game.field, PieceCellValue(2));
  saved = SaveShot(window, folders, "motion-lay-halfway.png",
                   [&] {
                     LayAsCompleted(game, platform, completed, 2);
                     // Half its height: the drop falls faster and faster.
                     AtMoment(game, platform, static_cast<int>(kPieceMotionMs * 0.71));
                   }) &&
          saved;
  game.motion = Motion{};

  LayCompletionUpTo(game, completed, 5);
  saved = SaveShot(window, folders, "motion-turn-halfway.png",
                   [&] {
                     RotateView(game, platform, +1);
                     AtMoment(game, platform, kTurnMotionMs / 2);
                   }) &&
          saved;
  RotateView(game, platform, -1);
  game.motion = Motion{};

  LayCompletionUpTo(game, completed, 6);
  saved = SaveShot(window, folders, "motion-win.png",
                   [&] {
                     LayAsCompleted(game, platform, completed, 6);
                     // A lower layer is current: the won figure shows whole all the same.
                     game.currentLayer = 1;
                     AtMoment(game, platform, kPieceMotionMs + kWinGlowMs / 2);
                   }) &&
          saved;
  game.motion = Motion{};
  return saved;
}

}  // namespace
}  // namespace kelvane

int main(int argc, char* argv[]) {
  return kelvane::RunWindowShots(argc, argv, kelvane::DrawMotions);
}
