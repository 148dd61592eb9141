// SPDX-License-Identifier: GPL-3.0-or-later
// Colour conversions: a Settings colour holds red, green and blue from its low byte up.
#include "shell/dialogs/qt_colour.h"

namespace kelvane {

QColor QColorOf(Colour colour) {
  return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                static_cast<int>((colour >> 16) & 0xFFu));
}

Colour ColourOfQColor(const QColor& colour) {
  return static_cast<Colour>(colour.red()) | static_cast<Colour>(colour.green()) << 8 |
         static_cast<Colour>(colour.blue()) << 16;
}

}  // namespace kelvane
