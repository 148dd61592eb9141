// SPDX-License-Identifier: GPL-3.0-or-later
// The Save puzzle dialog's window over the core's name rules and save.
#include "shell/dialogs/save_puzzle_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "creation/create_puzzle.h"
#include "shell/dialogs/dialog_layout.h"
#include "shell/dialogs/puzzle_name_field.h"
#include "storage/save_puzzle_dialog.h"

namespace kelvane {

SavePuzzleDialog::SavePuzzleDialog(Game& game, Platform& platform, QWidget* owner)
    : QDialog(owner), game_(game), platform_(platform) {
  const DialogLayout layout(*this, tr("Save puzzle"), 256, 46);
  layout.PlaceText(new QLabel(tr("File name:")), {7, 9, 43, 10});
  nameField_ = new PuzzleNameField(platform);
  layout.Place(nameField_, {52, 7, 134, 15});
  okButton_ = new QPushButton(tr("OK"));
  layout.Place(okButton_, {199, 7, 50, 14});
  okButton_->setDefault(true);
  auto* cancelButton = new QPushButton(tr("Cancel"));
  layout.Place(cancelButton, {199, 24, 50, 14});
  nameField_->setFocus();

  connect(okButton_, &QPushButton::clicked, this, &SavePuzzleDialog::Confirm);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void SavePuzzleDialog::Confirm() {
  if (ConfirmSavePuzzle(game_, platform_, nameField_->text().toStdString())) {
    accept();
  }
}

std::unique_ptr<SavePuzzleDialog> OpenSavePuzzleDialog(Game& game, Platform& platform,
                                                       QWidget* owner) {
  if (!ValidateCreatedFigure(game, platform)) {
    return nullptr;
  }
  return std::make_unique<SavePuzzleDialog>(game, platform, owner);
}

void RunSavePuzzleDialog(Game& game, Platform& platform, QWidget* owner) {
  if (const std::unique_ptr<SavePuzzleDialog> dialog =
          OpenSavePuzzleDialog(game, platform, owner)) {
    dialog->exec();
  }
}

}  // namespace kelvane
