// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's cell cursor on the current layer: where keys lay and pick up pieces.
#pragma once

#include <optional>

#include "model/platform.h"

namespace kelvane {

struct Game;

// Shown while the field has the keyboard and the keys, not the pointer, were used last.
struct FieldCursor {
  bool shown = false;
  int x = 0;
  int y = 0;
};

// The cursor's cell while it is shown, kept inside the Figure's footprint (which a turn of the
// view or a new figure may have moved under it); none while hidden or with an empty footprint.
std::optional<FloorCell> FieldCursorCell(const Game& game);

// Shows the cursor where it last was, or hides it; either repaints when it changes.
void ShowFieldCursor(Game& game, Platform& platform);
void HideFieldCursor(Game& game, Platform& platform);

// An arrow key on the field: one cell along x (dx) or y (dy), stopping at the footprint's edge. A
// hidden cursor is shown first, so the first key only brings it back where it was.
void MoveFieldCursor(Game& game, Platform& platform, int dx, int dy);

// Enter or Space on the field: the primary click, at the cursor's cell instead of the pointer's.
void PressAtFieldCursor(Game& game, Platform& platform);

}  // namespace kelvane
