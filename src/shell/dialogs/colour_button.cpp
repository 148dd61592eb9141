// SPDX-License-Identifier: GPL-3.0-or-later
// The colour button's swatch: a picture of the colour, almost the size of the button.
#include "shell/dialogs/colour_button.h"

#include <QPixmap>

#include "shell/dialogs/qt_colour.h"

namespace kelvane {
namespace {
// Room left around the swatch for the button's frame and focus mark.
constexpr int kSwatchMargin = 4;
}  // namespace

ColourButton::ColourButton(QWidget* parent) : QPushButton(parent) {
  UpdateColorSwatch();
}

void ColourButton::SetValue(Colour colour) {
  colour_ = colour;
  UpdateColorSwatch();
}

void ColourButton::resizeEvent(QResizeEvent* event) {
  QPushButton::resizeEvent(event);
  UpdateColorSwatch();
}

void ColourButton::UpdateColorSwatch() {
  const QSize swatch =
      size().shrunkBy({kSwatchMargin, kSwatchMargin, kSwatchMargin, kSwatchMargin});
  if (swatch.isEmpty()) {
    return;
  }
  QPixmap picture(swatch);
  picture.fill(QColorOf(colour_));
  setIconSize(swatch);
  setIcon(QIcon(picture));
}

}  // namespace kelvane
