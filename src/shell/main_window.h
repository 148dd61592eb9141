// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: owns the field view, the piece panel and the menus, and routes every command,
// click, key and wheel turn to the game.
#pragma once

#include <QMainWindow>
#include <map>
#include <memory>

#include "model/guide_steps.h"
#include "render/layout.h"
#include "shell/dialog_hooks.h"
#include "shell/field_view.h"
#include "shell/message_box.h"
#include "shell/orientation_popup.h"
#include "shell/piece_panel.h"

namespace kelvane {

struct Game;
struct CommandStates;
class GuideBubble;
class LibraryGrading;
class QtPlatform;
class SolverFeedback;
class StatusLine;
class MotionTicker;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the whole game on `game` (settings read, default figure laid, panel filled, menus set)
  // before the window is first shown.
  explicit MainWindow(Game& game, MessageBoxRunner messageBox = RunMessageBox);
  ~MainWindow() override;

  Platform& GamePlatform();
  PiecePanel& Panel() { return *panel_; }
  FieldView& Field() { return *field_; }
  SolverFeedback& Feedback() { return *feedback_; }
  StatusLine& Status() { return *status_; }
  QAction* Action(int commandId) const;
  DialogHooks& Dialogs() { return dialogs_; }
  MotionTicker& Ticker() { return *motion_; }

  // A menu command, accelerator or orientation choice by id; the menu states follow.
  void RunCommand(int commandId);
  void ApplyCommandStates(const CommandStates& states);
  // Sizes the window to the Figure and scale (growing only, once shown), within the screen and at
  // a smaller scale where SCALE's does not fit it, and lays out its content.
  void FitToFigure();
  // The orientation popup of the selected piece at `globalPosition`, or none when the piece
  // cannot be turned now.
  OrientationPopup* OpenOrientationPopup(QPoint globalPosition);
  // Brings the window to the front, restoring it when minimised.
  void BringToFront();
  // Holds the play clock while a dialog or message box is open (they may nest).
  void HoldClockForDialog(bool open);
  // The guide over the puzzle in play, from its first step; marks it seen.
  void ShowGuide();
  GuideBubble* Guide() { return guide_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void Initialise();
  FrameMargins Margins() const;
  void LayOutContent();
  // The screen area without its panels, of the screen that shows `topLeft` (else the window's).
  Rect AvailableArea(QPoint topLeft) const;
  void PlaceContentIn(QSize client);
  void PressKey(const QKeyEvent* event);
  void PressFieldKey(QKeyEvent* event);
  void TurnWheel(int delta);
  void RunDialog(const std::function<void()>& hook);
  void RunCommandUnguided(int commandId);
  // Tells a running guide how the game now stands; `counts` when the player's own action made it.
  void LookForGuide(bool counts);
  QRect GuideTargetRect(GuideTarget target) const;
  // Next puzzle waits for the figures the grade cache lacks, graded in a worker.
  void StartNextPuzzleWhenGraded();

  Game& game_;
  std::unique_ptr<QtPlatform> platform_;
  SolverFeedback* feedback_ = nullptr;
  StatusLine* status_ = nullptr;
  MotionTicker* motion_ = nullptr;
  int openDialogs_ = 0;
  LibraryGrading* grading_ = nullptr;
  bool shownOnce_ = false;
  // Null while no guide runs, so that play without it pays nothing.
  GuideBubble* guide_ = nullptr;
  // Set while a command that is not one of the guide's actions runs.
  bool guideQuiet_ = false;
  FieldView* field_ = nullptr;
  PiecePanel* panel_ = nullptr;
  std::map<int, QAction*> actions_;
  DialogHooks dialogs_;
};

}  // namespace kelvane
