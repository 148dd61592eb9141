// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog units to pixels, with the dialog font's own metrics.
#include "shell/dialogs/dialog_layout.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

#include "shell/dialog_window.h"

namespace kelvane {

QFont DialogFont() {
  QFont font;
  font.setFamilies({"Nimbus Sans", "Liberation Sans", "DejaVu Sans"});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(8);
  return font;
}

DialogLayout::DialogLayout(QDialog& dialog, const QString& title, int widthUnits, int heightUnits)
    : dialog_(dialog) {
  dialog.setFont(DialogFont());
  dialog.setWindowTitle(title);
  MakeDialogWindow(dialog);
  const QFontMetrics metrics(dialog.font());
  // The average width over the 52 letters, rounded: the classic dialog base unit.
  const int letters =
      metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  baseWidth_ = (letters / 26 + 1) / 2;
  baseHeight_ = metrics.height();
  const QRect client = ToPixels({0, 0, widthUnits, heightUnits});
  dialog.setFixedSize(client.size());
}

QRect DialogLayout::ToPixels(DialogUnits place) const {
  return {place.x * baseWidth_ / 4, place.y * baseHeight_ / 8, place.width * baseWidth_ / 4,
          place.height * baseHeight_ / 8};
}

void DialogLayout::Place(QWidget* control, DialogUnits place) const {
  control->setParent(&dialog_);
  control->setGeometry(ToPixels(place));
}

void DialogLayout::PlaceText(QWidget* control, DialogUnits place) const {
  control->setParent(&dialog_);
  const QRect area = ToPixels(place);
  const QSize natural = control->sizeHint();
  const int width = std::max(area.width(), natural.width());
  // A label names the control on its right, so it grows leftward into the margin instead.
  const int x = qobject_cast<QLabel*>(control) != nullptr ? area.right() + 1 - width : area.x();
  control->setGeometry(x, area.center().y() - natural.height() / 2, width, natural.height());
}

}  // namespace kelvane
