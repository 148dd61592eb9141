// SPDX-License-Identifier: GPL-3.0-or-later
// Composing the whole frame of the main window.
#pragma once

#include "model/game.h"
#include "model/platform.h"
#include "render/frame_copy.h"
#include "render/layout.h"

namespace kelvane {

// Composes one frame in the BackBuffer, back to front: background; panel frame; in the field view
// the floor plate and layer columns (with SHOW_HELPERS), what stands on the Field below the
// current layer with the selected piece previewed at the cell under the pointer (or the keyboard
// cursor while shown) and hidden pieces left out, the layer grid, the translucent ink tint on the
// current layer (darker where the Figure has a cube, in play), the current layer and above, the
// keyboard cursor's mark; in play the target preview of the
// Figure's shown layers. Then hands FrameCopyRects (everything but the piece panel) to `copy`.
// Reads the model and the pointer; changes no game state.
void PaintField(Game& game, Platform& platform, const CopyToScreen& copy);

// The tint of the current layer's floor diamonds, drawn into the BackBuffer: ink at alpha 191,
// or 127 on cells where the Figure has no cube while in play.
void DrawLayerTint(Game& game, const ClientLayout& layout);

}  // namespace kelvane
