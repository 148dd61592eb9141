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

// `client`: the client area on the screen, the window without its menu bar.
// The screen point in the middle of floor cell `cell` of the model's current layer, once the
// model is laid out for `client`; nothing when the cell is not on the field.
std::optional<QPoint> FloorCellOnScreen(Game& model, QRect client, FloorCell cell);

// The field view's rectangle on the screen.
QRect FieldViewOnScreen(Game& model, QRect client);

}  // namespace kelvane::e2e
