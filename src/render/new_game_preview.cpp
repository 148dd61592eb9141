// SPDX-License-Identifier: GPL-3.0-or-later
// The New game preview: the background and the selected figure as thumbnail cubes.
#include "render/new_game_preview.h"

#include "render/device_pixels.h"
#include "render/draw_cube_grid.h"

namespace kelvane {

NewGamePreview ComposeNewGamePreview(const Game& game, const NewGameList& list, Surface& target,
                                     CellGrid& LoadedFigure) {
  FillRect(target, {0, 0, target.width, target.height}, PixelFromColour(game.settings.COLOR_BACK));
  const NewGamePreview shown = PreviewSelection(list, LoadedFigure);
  if (shown == NewGamePreview::Figure) {
    DrawCubeGrid(game, target, {target.width / 2, target.height / 2}, LoadedFigure, nullptr,
                 Checkers::AsSet, ScaledGeometry(game.thumbnailGeometry, game.graphics.pixelRatio));
  }
  return shown;
}

}  // namespace kelvane
