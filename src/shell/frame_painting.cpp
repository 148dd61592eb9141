// Drawing until the renderer lands: plain colours from the settings.
#include "shell/frame_painting.h"

#include "model/game.h"

namespace kelvane {

namespace {
QColor ColourOf(Colour colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}
}  // namespace

void PaintFrame(Game& game, Platform&, QPainter& painter, std::optional<QPoint>) {
  painter.fillRect(painter.window(), ColourOf(game.settings.COLOR_BACK));
}

void PaintPanelItem(Game& game, Platform&, QPainter& painter, const QRect& area, int item,
                    bool selected) {
  painter.fillRect(area, ColourOf(selected ? game.settings.COLOR_INK : game.settings.COLOR_BACK));
  if (item > 0) {
    painter.drawText(area, Qt::AlignCenter, QString::number(item));
  }
}

void PaintOrientationItem(Game& game, Platform&, QPainter& painter, const QRect& area,
                          int commandId, bool selected) {
  painter.fillRect(area, ColourOf(selected ? game.settings.COLOR_INK : game.settings.COLOR_BACK));
  painter.drawText(area, Qt::AlignCenter, QString::number(commandId));
}

}  // namespace kelvane
