// SPDX-License-Identifier: GPL-3.0-or-later
// The window model and the search for a floor cell's middle by the hit test itself.
#include "cell_targets.h"

#include "model/game_init.h"
#include "render/cube_geometry.h"
#include "render/hit_test.h"
#include "storage/settings_file.h"

namespace kelvane::e2e {

std::unique_ptr<Game> NewWindowModel() {
  auto game = std::make_unique<Game>();
  SetDefaultSettings(game->settings);
  InitialiseGame(*game);
  game->fieldGeometry = FieldGeometry(game->settings.SCALE);
  return game;
}

ClientArea ClientOf(QRect window, int menuBarHeight) {
  return {
      window.x(), window.y() + menuBarHeight, {window.width(), window.height() - menuBarHeight}};
}

std::optional<QPoint> FloorCellOnScreen(Game& model, const ClientArea& client, FloorCell cell) {
  PlaceContent(model, client.size);
  // The diamond lies in a 2W × 2R box below the projection of its corner; the hit test, which
  // the window runs on the same model, says which of its pixels belong to it (every second
  // pixel is plenty to find the middle).
  const CubeGeometry g = model.fieldGeometry;
  const Point corner =
      ProjectLattice(g, LayOutClient(model).figureOrigin, cell.x, cell.y, model.currentLayer);
  long sumX = 0;
  long sumY = 0;
  long count = 0;
  for (int y = corner.y; y < corner.y + 2 * g.R; y += 2) {
    for (int x = corner.x - g.W; x < corner.x + g.W; x += 2) {
      if (HitTestFloorCell(model, Point{x, y}) == cell) {
        sumX += x;
        sumY += y;
        ++count;
      }
    }
  }
  if (count == 0) {
    return std::nullopt;
  }
  const Point middle{static_cast<int>(sumX / count), static_cast<int>(sumY / count)};
  if (HitTestFloorCell(model, middle) != cell) {
    return std::nullopt;
  }
  return QPoint(client.left + middle.x, client.top + middle.y);
}

QRect FieldViewOnScreen(Game& model, const ClientArea& client) {
  PlaceContent(model, client.size);
  const Rect view = LayOutClient(model).fieldView;
  return {client.left + view.left, client.top + view.top, view.Width(), view.Height()};
}

}  // namespace kelvane::e2e
