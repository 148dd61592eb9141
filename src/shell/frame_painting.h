// The shell's side of drawing: composed frames and owner-drawn items shown through QPainter.
#pragma once

#include <QPainter>
#include <optional>

namespace kelvane {

struct Game;
class Platform;

// The whole field view for a pointer at `pointer` (view coordinates), or none.
void PaintFrame(Game& game, Platform& platform, QPainter& painter, std::optional<QPoint> pointer);

// Item `item` of the piece panel.
void PaintPanelItem(Game& game, Platform& platform, QPainter& painter, const QRect& area, int item,
                    bool selected);

// The orientation-menu item `commandId` for the piece selected in the panel.
void PaintOrientationItem(Game& game, Platform& platform, QPainter& painter, const QRect& area,
                          int commandId, bool selected);

}  // namespace kelvane
