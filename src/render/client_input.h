// SPDX-License-Identifier: GPL-3.0-or-later
// The pointer and the keys on a client area drawn whole by the core (panel and field in one
// picture), as the desktop's window and piece panel take them, for shells without widgets of their
// own for either.
#pragma once

#include <optional>

#include "model/game.h"
#include "model/platform.h"

namespace kelvane {

// A primary press at `client`: on the panel it chooses the item (a second click hides or shows
// the piece, as a double click does), on the field it lays or picks up. A running motion ends
// first; a press that only brought a due congratulation does nothing more.
void PressClientArea(Game& game, Platform& platform, Point client, int clicks);

// A touch tap at `client`, where the shell has already put the pointer: on the panel it chooses the
// item, on the field it previews, lays or picks up by the field's tap rule. `previewed` is the
// shell's memory of the cell whose preview a first tap showed; a tap elsewhere forgets it.
void TapClientArea(Game& game, Platform& platform, Point client,
                   std::optional<FloorCell>& previewed);

// The keys the window takes without a menu (virtual key codes): X, Y and Z turn the selected
// piece, the arrows move the keyboard's cell, Enter and Space press there. False for other keys.
bool KeyOnClientArea(Game& game, Platform& platform, int virtualKey);

// The menu key: shows the keyboard's cell and gives where the orientation popup opens, the centre
// of that cell; none without a cell.
std::optional<Point> MenuKeyPopupPlace(Game& game, Platform& platform);

// The wheel: the layer moves up for a positive delta, down otherwise.
void WheelOnClientArea(Game& game, Platform& platform, int delta);

}  // namespace kelvane
