// SPDX-License-Identifier: GPL-3.0-or-later
// The renderer's pictures shown through QPainter: each is composed in the BackBuffer, then the
// composed areas are drawn from an image that shares the BackBuffer's pixels.
#include "shell/frame_painting.h"

#include "model/command_ids.h"
#include "model/game.h"
#include "render/paint_field.h"
#include "render/panel_item.h"
#include "shell/surface_image.h"

namespace kelvane {

namespace {

// Draws the composed areas (device pixels) at the same places in logical coordinates, as the
// renderer's frame copy asks: one device pixel to each of the screen's.
CopyToScreen CopyWith(QPainter& painter, int pixelRatio) {
  return [&painter, pixelRatio](const Surface& backBuffer, std::span<const Rect> areas) {
    QImage image = ImageOf(backBuffer);
    image.setDevicePixelRatio(pixelRatio);
    for (const Rect& area : areas) {
      const QRect source = QRectOf(area);
      painter.drawImage(QPointF(source.topLeft()) / pixelRatio, image, QRectF(source));
    }
  };
}

Rect RectOf(const QRect& area) {
  return {area.left(), area.top(), area.right() + 1, area.bottom() + 1};
}

}  // namespace

void PaintFrame(Game& game, Platform& platform, QPainter& painter) {
  PaintField(game, platform, CopyWith(painter, game.graphics.pixelRatio));
}

void PaintPanelItem(Game& game, Platform& platform, QPainter& painter, const QRect& area, int item,
                    bool selected) {
  DrawPanelItem(game, platform, {kPiecePanelId, item, RectOf(area), selected},
                CopyWith(painter, game.graphics.pixelRatio));
}

void PaintOrientationItem(Game& game, Platform& platform, QPainter& painter, const QRect& area,
                          int commandId, bool selected) {
  // Any control id but the panel's marks an orientation-menu item.
  DrawPanelItem(game, platform, {0, commandId, RectOf(area), selected},
                CopyWith(painter, game.graphics.pixelRatio));
}

}  // namespace kelvane
