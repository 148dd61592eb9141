// SPDX-License-Identifier: GPL-3.0-or-later
// Composes the preview in a Surface and shows it, with its text in the widget's own font.
#include "shell/dialogs/preview_area.h"

#include <QPainter>

#include "shell/dialogs/qt_colour.h"
#include "shell/surface_image.h"

namespace kelvane {

PreviewArea::PreviewArea(Composer composer, int pixelRatio, QWidget* parent)
    : QWidget(parent), composer_(std::move(composer)), pixelRatio_(pixelRatio) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewArea::paintEvent(QPaintEvent*) {
  if (surface_.width != width() * pixelRatio_ || surface_.height != height() * pixelRatio_) {
    surface_ = MakeSurface(width() * pixelRatio_, height() * pixelRatio_, kBlackPixel);
  }
  const std::optional<PreviewText> text = composer_(surface_);
  QPainter painter(this);
  QImage image = ImageOf(surface_);
  image.setDevicePixelRatio(pixelRatio_);
  painter.drawImage(0, 0, image);
  if (text) {
    painter.setPen(QColorOf(text->colour));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text->text);
  }
}

}  // namespace kelvane
