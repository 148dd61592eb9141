// SPDX-License-Identifier: GPL-3.0-or-later
// The New game dialog's preview area, composed for any shell.
#pragma once

#include "model/cell_grid.h"
#include "model/game.h"
#include "render/surface.h"
#include "storage/new_game_dialog.h"

namespace kelvane {

// Fills `target` (device pixels at the Game's pixel ratio) with COLOR_BACK and, when the selected
// entry reads, draws its figure, read into LoadedFigure, with the thumbnail geometry around the
// centre. Returns what the area shows: for a message (PreviewMessage) the shell writes it centred
// over the picture in COLOR_INK.
NewGamePreview ComposeNewGamePreview(const Game& game, const NewGameList& list, Surface& target,
                                     CellGrid& LoadedFigure);

}  // namespace kelvane
