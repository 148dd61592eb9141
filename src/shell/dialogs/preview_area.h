// SPDX-License-Identifier: GPL-3.0-or-later
// The picture area of a dialog: composed afresh in a Surface on every paint.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "model/settings.h"
#include "render/surface.h"

namespace kelvane {

// A line of text drawn centred over the composed picture.
struct PreviewText {
  QString text;
  Colour colour = 0;
};

class PreviewArea : public QWidget {
  Q_OBJECT

 public:
  // Draws the whole picture into a surface of the area's size in device pixels, and says which
  // text, if any, goes on top of it.
  using Composer = std::function<std::optional<PreviewText>(Surface& target)>;

  PreviewArea(Composer composer, int pixelRatio, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Composer composer_;
  int pixelRatio_;
  Surface surface_;
};

}  // namespace kelvane
