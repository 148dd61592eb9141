// SPDX-License-Identifier: GPL-3.0-or-later
// The window model, and screen points from its layout and hit test.
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
  // The window's own hit test, on the same model, confirms the click lands where meant.
  const Point middle = FloorCellCentre(model, cell);
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
