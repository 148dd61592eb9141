// SPDX-License-Identifier: GPL-3.0-or-later
// The New game dialog: the puzzle library's files, a preview of the selected figure, and OK to
// play it.
#pragma once

#include <QDialog>

#include "model/cell_grid.h"
#include "model/game.h"
#include "model/platform.h"
#include "shell/dialogs/preview_area.h"
#include "shell/library_grading.h"
#include "storage/library_order.h"
#include "storage/new_game_dialog.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace kelvane {

class FigureCountsLine;

class NewGameDialog : public QDialog {
  Q_OBJECT

 public:
  // Lists "Puzzles/*.kvp" with the last puzzle started (PUZZLE) preselected. OK, or a double
  // click on an entry, starts the selected figure and remembers it in PUZZLE; the dialog then
  // ends accepted. Without a selection OK explains why and the dialog stays. The list is by
  // name or by difficulty, as last chosen; figures not yet graded are graded in a worker while
  // the dialog is open, and the list and the tier line follow when they are.
  NewGameDialog(Game& game, Platform& platform, QWidget* owner);

  QListWidget& FileList() { return *fileList_; }
  PreviewArea& Preview() { return *preview_; }
  QPushButton& OkButton() { return *okButton_; }
  // The selected figure's completions, distinct completions and tier, once counted in a worker.
  QLabel& Counts() { return *counts_; }
  // "by name" or "by difficulty".
  QComboBox& Order() { return *order_; }
  // The solved entries per tier, once every figure is graded.
  QLabel& TierLine() { return *tierLine_; }
  bool Grading() const { return grading_->Running(); }
  // What the preview showed when it was last painted.
  NewGamePreview PreviewShown() const { return previewShown_; }

 private:
  void SelectionChanged();
  void Confirm();
  void ShowCounts();
  void ChooseOrder(int index);
  // Lists the entries in the chosen order, the selection kept, and brings the tier line up.
  void ShowList();
  void ShowTierLine();
  std::optional<PreviewText> ComposePreview(Surface& target);

  Game& game_;
  Platform& platform_;
  NewGameList list_;
  // The figure the preview read for the selected entry.
  CellGrid LoadedFigure{};
  NewGamePreview previewShown_ = NewGamePreview::NotSelected;
  QListWidget* fileList_ = nullptr;
  PreviewArea* preview_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QLabel* counts_ = nullptr;
  FigureCountsLine* countsLine_ = nullptr;
  QTimer* countTimer_ = nullptr;
  QComboBox* order_ = nullptr;
  QLabel* tierLine_ = nullptr;
  LibraryGrading* grading_ = nullptr;
};

}  // namespace kelvane
