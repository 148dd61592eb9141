// SPDX-License-Identifier: GPL-3.0-or-later
// The colour dialog, offered the game's sixteen custom colours.
#include "shell/dialogs/colour_chooser.h"

#include <QColorDialog>

#include "shell/dialog_window.h"
#include "shell/dialogs/qt_colour.h"

namespace kelvane {

namespace {
constexpr int kCustomRows = 2;
constexpr int kCustomColumns = static_cast<int>(kCustomColours.size()) / kCustomRows;
}  // namespace

void OfferCustomColours() {
  for (int i = 0; i < static_cast<int>(kCustomColours.size()); ++i) {
    const int row = i / kCustomColumns;
    const int column = i % kCustomColumns;
    QColorDialog::setCustomColor(column * kCustomRows + row, QColorOf(kCustomColours[i]));
  }
}

std::optional<Colour> ChooseColourWithDialog(QWidget* owner) {
  OfferCustomColours();
  QColorDialog dialog(Qt::black, owner);
  MakeDialogWindow(dialog);
  if (dialog.exec() != QDialog::Accepted) {
    return std::nullopt;
  }
  return ColourOfQColor(dialog.selectedColor());
}

}  // namespace kelvane
