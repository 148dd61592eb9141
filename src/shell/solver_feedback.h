// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's answers beside the picture: the "can it still be done?" mark in play, the live
// count of a figure built by cubes, and the solution browser with its caption.
#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

#include "analysis/solution_browser.h"
#include "model/cell_grid.h"
#include "shell/background_job.h"

class QPainter;
class QWidget;

namespace kelvane {

struct Game;
class Platform;

class SolverFeedback : public QObject {
  Q_OBJECT

 public:
  // `repaint` redraws the field view and the panel once an answer is ready.
  SolverFeedback(Game& game, Platform& platform, std::function<void()> repaint,
                 QObject* parent = nullptr);

  // Draws the mark and the browser's caption over a frame composed for `view`, right of
  // `panelRight`. A position not yet answered is answered once this frame is shown, so no move
  // ever waits for the solver.
  void PaintOverField(QPainter& painter, const QRect& view, int panelRight);
  // While building by cubes with 27 cubes, item 1 of the panel carries the figure's count.
  void PaintOverPanelItem(QPainter& painter, const QRect& area, int item, bool selected);

  // Next solution, Previous solution and Back to my pieces. Solutions not yet found are searched
  // in a worker, with the progress window over `owner` when that takes longer than a moment.
  void RunBrowserCommand(int commandId, QWidget* owner);
  bool Browsing() const;

  // What is shown now: the mark (nothing when none or while it is being found), the panel's
  // count text (empty when none). Both are found in a worker on copies of the grids.
  std::optional<bool> Completable() const { return completable_; }
  QString DesignCount() const { return designCount_; }

 private:
  struct Position {
    CellGrid figure;
    CellGrid field;
    int createMode = 0;
    int creationKind = 0;
    bool markWanted = false;
  };
  Position Current() const;
  static bool Same(const Position& a, const Position& b);
  void Answer();
  // Counts the solutions being browsed, so that the caption gives their number before the
  // browser has come to the last.
  void CountBrowsedSolutions();

  Game& game_;
  Platform& platform_;
  std::function<void()> repaint_;
  Position answered_;
  bool pending_ = false;
  // Counts the mark's answer or the panel's count, whichever the position wants.
  BackgroundJob job_;
  // Shows that the answer is being found, once it takes longer than a moment.
  QTimer slow_;
  bool markShown_ = false;
  std::optional<bool> completable_;
  QString designCount_;
  SolutionBrowser browser_;
  BackgroundJob totalCount_;
};

}  // namespace kelvane
