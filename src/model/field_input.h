// SPDX-License-Identifier: GPL-3.0-or-later
// What clicks, the orientation menu, the X, Y, Z keys and the piece panel do on the field.
#pragma once

#include <optional>

#include "model/platform.h"

namespace kelvane {

struct Game;

// The primary button press, given the floor cell of the current layer under the pointer (or
// none). In create-by-cubes mode it toggles one cube of that cell. Otherwise, with a selected piece
// that is not on the Field it can only place (a refusal beeps); with no piece or a placed piece
// selected it can only pick up a visible piece lying on that cell.
void FieldClick(Game& game, Platform& platform, std::optional<FloorCell> cell);

// A touch tap on the field. Touch has no hover, so a tap that would lay the selected piece first
// shows its preview on the cell (`previewed` becomes that cell) and lays it only when the same cell
// is tapped again. A tap on a visible laid piece picks it up at once, its preview then under the
// finger; other taps act as a click does.
void FieldTap(Game& game, Platform& platform, std::optional<FloorCell> cell,
              std::optional<FloorCell>& previewed);

// The orientation menu to open for the selected piece (130, 131 or 132), or none when no piece is
// selected, it lies on the Field, it is hidden, or clicks toggle cubes.
std::optional<int> OrientationMenuToOpen(const Game& game, Platform& platform);

// An orientation menu command: the selected piece takes the orientation of the command's item.
// Ids beyond the piece's orientation count are ignored.
void ApplyOrientationCommand(Game& game, Platform& platform, int commandId);

// The X, Y and Z keys (virtual keys 88, 89, 90) turn the selected piece a quarter turn about that
// axis, unless it lies on the Field or clicks toggle cubes. Other keys do nothing.
void TurnSelectedPiece(Game& game, Platform& platform, int virtualKey);

// A double click in the piece panel: the Hide piece command of the selected piece, whether or not
// that command is enabled.
void ToggleHideFromPanel(Game& game, Platform& platform);

}  // namespace kelvane
