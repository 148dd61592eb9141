// SPDX-License-Identifier: GPL-3.0-or-later
// Where the player's pointer must go: a model of the window's Game, laid out and hit-tested by
// the game's own rules, so that clicks land on the cells the test means.
#pragma once

#include <QRect>
#include <memory>
#include <optional>

#include "model/game.h"
#include "model/platform.h"
#include "render/layout.h"

namespace kelvane::e2e {

// A Game as the window holds it after start with the default settings.
std::unique_ptr<Game> NewWindowModel();

// The client area's place on the screen: the window's rectangle without its menu bar.
struct ClientArea {
  int left = 0;
  int top = 0;
  Size size;
};
ClientArea ClientOf(QRect window, int menuBarHeight);

// The screen point in the middle of floor cell `cell` of the model's current layer, once the
// model is laid out for `client`; nothing when the cell is not on the field.
std::optional<QPoint> FloorCellOnScreen(Game& model, const ClientArea& client, FloorCell cell);

// The field view's rectangle on the screen.
QRect FieldViewOnScreen(Game& model, const ClientArea& client);

}  // namespace kelvane::e2e
