// SPDX-License-Identifier: GPL-3.0-or-later
// A push button that holds a colour and shows it as a swatch instead of text.
#pragma once

#include <QPushButton>

#include "model/settings.h"

namespace kelvane {

class ColourButton : public QPushButton {
  Q_OBJECT

 public:
  explicit ColourButton(QWidget* parent = nullptr);

  Colour Value() const { return colour_; }
  // Stores the colour and repaints the swatch at once.
  void SetValue(Colour colour);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateColorSwatch();

  Colour colour_ = 0;
};

}  // namespace kelvane
