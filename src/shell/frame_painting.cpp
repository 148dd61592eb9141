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

// Draws the composed areas at the same coordinates, as the renderer's frame copy asks.
CopyToScreen CopyWith(QPainter& painter) {
  return [&painter](const Surface& backBuffer, std::span<const Rect> areas) {
    const QImage image = ImageOf(backBuffer);
    for (const Rect& area : areas) {
      const QRect source = QRectOf(area);
      painter.drawImage(source.topLeft(), image, source);
    }
  };
}

Rect RectOf(const QRect& area) {
  return {area.left(), area.top(), area.right() + 1, area.bottom() + 1};
}

}  // namespace

void PaintFrame(Game& game, Platform& platform, QPainter& painter) {
  PaintField(game, platform, CopyWith(painter));
}

void PaintPanelItem(Game& game, Platform& platform, QPainter& painter, const QRect& area, int item,
                    bool selected) {
  DrawPanelItem(game, platform, {kPiecePanelId, item, RectOf(area), selected}, CopyWith(painter));
}

void PaintOrientationItem(Game& game, Platform& platform, QPainter& painter, const QRect& area,
                          int commandId, bool selected) {
  // Any control id but the panel's marks an orientation-menu item.
  DrawPanelItem(game, platform, {0, commandId, RectOf(area), selected}, CopyWith(painter));
}

}  // namespace kelvane
