// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar under the field: shows the core's status line, counts the figure's tier in a
// worker so that nothing waits for the solver, and ticks while the clock runs.
#pragma once

#include <QObject>
#include <QTimer>
#include <optional>
#include <string>

#include "analysis/figure_analysis.h"
#include "model/cell_grid.h"
#include "model/status_line.h"
#include "shell/background_job.h"

class QLabel;
class QStatusBar;

namespace kelvane {

struct Game;
class Platform;
class LibraryGrading;

class StatusLine : public QObject {
  Q_OBJECT

 public:
  // After a win the line names the next puzzle, once `grading` has graded what it needs.
  StatusLine(Game& game, Platform& platform, LibraryGrading& grading, QStatusBar& bar);

  // Brings the clock and the line up to date with the Game; cheap enough for every repaint.
  void Refresh();
  QString Text() const;

 private:
  void CountTier();
  void FindNextPuzzle();

  Game& game_;
  Platform& platform_;
  LibraryGrading& grading_;
  // The win last seen, and what Next puzzle would start after it.
  bool wonSeen_ = false;
  NextPuzzleNote next_;
  QLabel* label_;
  QTimer tick_;
  // The figure last seen and its key, so that a turned view is not counted again.
  CellGrid seenFigure_;
  std::string seenKey_;
  // The key of the figure whose tier is known; its tier, nothing when it cannot be counted.
  std::string answeredKey_;
  std::optional<Tier> tier_;
  // Stopped when the figure being counted is no longer the one in play, or the window closes.
  BackgroundJob count_;
};

}  // namespace kelvane
