// Composes the preview in a Surface and shows it, with its text in the widget's own font.
#include "shell/dialogs/preview_area.h"

#include <QPainter>

#include "shell/dialogs/qt_colour.h"
#include "shell/surface_image.h"

namespace kelvane {

PreviewArea::PreviewArea(Composer composer, QWidget* parent)
    : QWidget(parent), composer_(std::move(composer)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewArea::paintEvent(QPaintEvent*) {
  if (surface_.width != width() || surface_.height != height()) {
    surface_ = MakeSurface(width(), height(), kBlackPixel);
  }
  const std::optional<PreviewText> text = composer_(surface_);
  QPainter painter(this);
  painter.drawImage(0, 0, ImageOf(surface_));
  if (text) {
    painter.setPen(QColorOf(text->colour));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text->text);
  }
}

}  // namespace kelvane
