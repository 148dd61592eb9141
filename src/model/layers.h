// SPDX-License-Identifier: GPL-3.0-or-later
// Moving the current layer and cutting the puzzle view down to its lower layers.
#pragma once

#include "model/platform.h"

namespace kelvane {

struct Game;

// One wheel message (or Layer up / Layer down): a positive delta moves the current layer up by one,
// any other delta down by one, within 0 … Z-1 of the Figure, whatever the delta's size. Only a
// change refreshes the command states and repaints with erasing.
void ChangeLayer(Game& game, Platform& platform, int wheelDelta);

// Show up layer: one more Figure layer drawn, up to Z; repaints when it changed.
void ShowUpLayer(Game& game, Platform& platform);

// Hide down layer: one fewer Figure layer drawn, down to 1; repaints when it changed.
void HideDownLayer(Game& game, Platform& platform);

}  // namespace kelvane
