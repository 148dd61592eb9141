// SPDX-License-Identifier: GPL-3.0-or-later
// The whole client area as one picture, for shells that draw the field and the panel on a single
// surface (the web page) rather than in toolkit widgets of their own.
#pragma once

#include <functional>
#include <optional>

#include "model/game.h"
#include "model/platform.h"
#include "render/layout.h"
#include "render/surface.h"

namespace kelvane {

// Copies `source` of the BackBuffer (device pixels) to `destination` (its top-left corner, device
// pixels of the client area).
using CopyToClient =
    std::function<void(const Surface& backBuffer, const Rect& source, Point destination)>;

// The panel item (0…7) under a point of the client area, or nothing.
std::optional<int> PanelItemAt(const Game& game, Point client);

// Composes the field (where it changed) and then every panel item, the platform's selection shown
// selected, each handed to `copy` where it belongs in the client area.
void PaintClientArea(Game& game, Platform& platform, const CopyToClient& copy);

}  // namespace kelvane
