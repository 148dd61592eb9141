// SPDX-License-Identifier: GPL-3.0-or-later
// The shell's side of drawing: composed frames and owner-drawn items shown through QPainter.
#pragma once

#include <QPainter>

namespace kelvane {

struct Game;
class Platform;

// The whole field view, with the preview of the selected piece at the pointer.
void PaintFrame(Game& game, Platform& platform, QPainter& painter);

// Item `item` of the piece panel.
void PaintPanelItem(Game& game, Platform& platform, QPainter& painter, const QRect& area, int item,
                    bool selected);

// The orientation-menu item `commandId` for the piece selected in the panel.
void PaintOrientationItem(Game& game, Platform& platform, QPainter& painter, const QRect& area,
                          int commandId, bool selected);

}  // namespace kelvane
