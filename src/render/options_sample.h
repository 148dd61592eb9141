// SPDX-License-Identifier: GPL-3.0-or-later
// The Options dialog's sample: the seven pieces and a square of four cubes in the chosen skin.
#pragma once

#include "model/game.h"
#include "model/settings.h"
#include "render/surface.h"

namespace kelvane {

// Fills `target` (device pixels at the Game's pixel ratio) with `shown`'s COLOR_BACK and draws
// each piece in its current orientation, then the square, in four columns and two rows of
// 64-pixel slots, from `thumbnailSheet` (the skin's, from LoadThumbnailSheetFor), shaded as
// `shown`'s SHOW_CHECKERS says. The ink, the helpers and the scale do not show.
void ComposeOptionsSample(const Game& game, Surface& target, const Surface& thumbnailSheet,
                          const Settings& shown);

}  // namespace kelvane
