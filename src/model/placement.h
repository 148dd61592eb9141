// SPDX-License-Identifier: GPL-3.0-or-later
// The rules for laying, picking up, removing and hiding pieces on the Field.
#pragma once

#include <cstdint>
#include <optional>

#include "model/cell_grid.h"
#include "model/platform.h"

namespace kelvane {

struct Game;

// The piece panel's selection: 0 for no piece, 1 … 7 for the pieces, -1 when nothing is selected
// (or the panel reports an item it does not have).
int SelectedPanelItem(Platform& platform);

// True when some Field cell inside the Figure's bounding box holds `value`; for a piece cell value
// v (2 … 8) this says whether piece v-1 is on the Field.
bool PieceOnField(const Game& game, std::int8_t value);

// True when all seven pieces are on the Field.
bool AllPiecesOnField(const Game& game);

// Fills `out` with the Field plus the selected piece laid with its origin corner at `cell` on the
// current layer, and returns whether that placement is legal: every cube inside the Figure's box,
// on an empty Field cell and on a Figure cell. When it is not, the piece's cubes on empty cells
// show as plain cubes (1) and those over a hidden piece as marked cells (9). Without a cell, a
// selected piece, or with the selected piece already on the Field, `out` is the Field and the
// result false. Writes nothing but `out`.
bool ComposePlacement(const Game& game, Platform& platform, std::optional<FloorCell> cell,
                      CellGrid& out);

// Lays the selected piece at `cell` if that is legal, refreshes the command states, repaints and
// runs the win check; otherwise only beeps.
void PlaceSelectedPiece(Game& game, Platform& platform, std::optional<FloorCell> cell);

// Takes the piece with cell value `value` (2 … 8) off the Field and selects it in the panel; its
// piece grid keeps the orientation it had on the Field.
void PickUpPiece(Game& game, Platform& platform, std::int8_t value);

// The Remove piece command: takes the selected piece off the Field. Its hide flag is kept; the
// command's enabled state is what keeps it out of the wrong modes.
void RemoveSelectedPiece(Game& game, Platform& platform);

// The Hide piece command of piece `pieceNumber` (1 … 7): flips its hide flag, refreshes the
// command states and repaints.
void HidePiece(Game& game, Platform& platform, int pieceNumber);

}  // namespace kelvane
