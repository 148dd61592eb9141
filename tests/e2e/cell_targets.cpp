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

std::optional<QPoint> FloorCellOnScreen(Game& model, QRect client, FloorCell cell) {
  PlaceContent(model, {client.width(), client.height()});
  // The window's own hit test, on the same model, confirms the click lands where meant.
  const Point middle = FloorCellCentre(model, cell);
  if (HitTestFloorCell(model, middle) != cell) {
    return std::nullopt;
  }
  return client.topLeft() + QPoint(middle.x, middle.y);
}

QRect FieldViewOnScreen(Game& model, QRect client) {
  PlaceContent(model, {client.width(), client.height()});
  const Rect view = LayOutClient(model).fieldView;
  return {client.x() + view.left, client.y() + view.top, view.Width(), view.Height()};
}

}  // namespace kelvane::e2e
