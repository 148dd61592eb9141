// SPDX-License-Identifier: GPL-3.0-or-later
// Placing a dialog's controls as its template gives them, in dialog units of the dialog font.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QDialog;
class QWidget;

namespace kelvane {

// The dialogs' font: an 8-point sans serif of the width the templates were drawn for.
QFont DialogFont();

// A place in dialog units: x, y, width and height.
struct DialogUnits {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Converts dialog units with the dialog font's base units: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height.
class DialogLayout {
 public:
  // Gives `dialog` the dialog font, its title and the template's fixed client size, and makes it
  // modal.
  DialogLayout(QDialog& dialog, const QString& title, int widthUnits, int heightUnits);

  QRect ToPixels(DialogUnits place) const;
  // Parents `control` to the dialog and puts it at `place`.
  void Place(QWidget* control, DialogUnits place) const;
  // As Place, for a label or check box: never narrower than its text needs (the toolkit's marks
  // and fonts run wider than the template allowed for), its natural height centred on the place.
  // A label grows to the left, a check box to the right.
  void PlaceText(QWidget* control, DialogUnits place) const;

  int BaseWidth() const { return baseWidth_; }
  int BaseHeight() const { return baseHeight_; }

 private:
  QDialog& dialog_;
  int baseWidth_ = 0;
  int baseHeight_ = 0;
};

}  // namespace kelvane
