// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard cursor's mark on the field.
#pragma once

#include "model/game.h"
#include "render/layout.h"

namespace kelvane {

// Outlines the cursor's floor diamond on the current layer, over everything drawn so far: a light
// line between two dark ones, seen on any background, skin or piece. Nothing while it is hidden.
void DrawFieldCursor(Game& game, const ClientLayout& layout);

}  // namespace kelvane
