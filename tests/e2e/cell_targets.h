// Where the player's pointer must go: a model of the window's Game, laid out and hit-tested by
// the game's own rules, so that clicks land on the cells the test means.
#pragma once

#include <memory>
#include <optional>

#include "model/game.h"
#include "model/platform.h"
#include "render/layout.h"
#include "x_display.h"

namespace kelvane::e2e {

// A Game as the window holds it after start with the default settings: default figure, pieces
// and the field cube geometry of the default scale.
std::unique_ptr<Game> NewWindowModel();

// The client area's place on the screen: the window's rectangle without its menu bar, whose
// height is what the first window holds above the client size the default figure requires.
struct ClientArea {
  int left = 0;
  int top = 0;
  Size size;
};
ClientArea ClientOf(ScreenRect window, int menuBarHeight);

// The screen point in the middle of floor cell `cell` of the model's current layer, once the
// model is laid out for `client`; nothing when the cell is not on the field.
std::optional<Point> FloorCellOnScreen(Game& model, const ClientArea& client, FloorCell cell);

// The field view's rectangle on the screen.
ScreenRect FieldViewOnScreen(Game& model, const ClientArea& client);

}  // namespace kelvane::e2e
