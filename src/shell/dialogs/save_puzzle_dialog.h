// SPDX-License-Identifier: GPL-3.0-or-later
// The Save puzzle dialog: a name for the created figure, then the save and play of it.
#pragma once

#include <QDialog>
#include <memory>

#include "model/game.h"
#include "model/platform.h"

class QPushButton;

namespace kelvane {

class PuzzleNameField;

class SavePuzzleDialog : public QDialog {
  Q_OBJECT

 public:
  // OK asks for a name when the field is empty or all spaces, asks before replacing an existing
  // puzzle file (No keeps the dialog open with the name), and otherwise saves and ends
  // accepted, whether or not the save succeeded (a failure has shown its own message).
  SavePuzzleDialog(Game& game, Platform& platform, QWidget* owner);

  PuzzleNameField& NameField() { return *nameField_; }
  QPushButton& OkButton() { return *okButton_; }

 private:
  void Confirm();

  Game& game_;
  Platform& platform_;
  PuzzleNameField* nameField_ = nullptr;
  QPushButton* okButton_ = nullptr;
};

// The dialog for the figure of the current create mode, or none when the figure may not be saved
// yet; the player has then seen the reason and nothing more.
std::unique_ptr<SavePuzzleDialog> OpenSavePuzzleDialog(Game& game, Platform& platform,
                                                       QWidget* owner);

// Game > Save puzzle...: opens the dialog, when the figure allows it, and runs it modally.
void RunSavePuzzleDialog(Game& game, Platform& platform, QWidget* owner);

}  // namespace kelvane
