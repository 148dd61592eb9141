// SPDX-License-Identifier: GPL-3.0-or-later
// Which floor cell of the current layer the pointer is on.
#pragma once

#include <optional>

#include "model/game.h"
#include "model/platform.h"

namespace kelvane {

// The first cell (x, y) of the Figure's X × Y footprint, y outer and x inner, whose floor diamond
// on the current layer covers the pixel at `cursor` (client coordinates), by the same coverage rule
// the layer tint is drawn with; none off every diamond.
std::optional<FloorCell> HitTestFloorCell(const Game& game, Point cursor);
// The same at the platform's current cursor position.
std::optional<FloorCell> HitTestFloorCell(const Game& game, Platform& platform);
// The centre of the cell's floor diamond on the current layer, in client coordinates.
Point FloorCellCentre(const Game& game, FloorCell cell);
// The cell the placement preview stands on: the keyboard's cursor while it is shown, else the
// pointer's.
std::optional<FloorCell> PreviewCell(const Game& game, Platform& platform);

}  // namespace kelvane
