// SPDX-License-Identifier: GPL-3.0-or-later
// The colour dialog, offered the game's sixteen custom colours.
#include "shell/dialogs/colour_chooser.h"

#include <QColorDialog>

#include "shell/dialogs/qt_colour.h"

namespace kelvane {

std::optional<Colour> ChooseColourWithDialog(QWidget* owner) {
  for (int i = 0; i < static_cast<int>(kCustomColours.size()); ++i) {
    QColorDialog::setCustomColor(i, QColorOf(kCustomColours[i]));
  }
  const QColor chosen = QColorDialog::getColor(Qt::black, owner);
  if (!chosen.isValid()) {
    return std::nullopt;
  }
  return ColourOfQColor(chosen);
}

}  // namespace kelvane
