// SPDX-License-Identifier: GPL-3.0-or-later
// Moving the keyboard's cell cursor and clicking with it.
#include "model/field_cursor.h"

#include <algorithm>

#include "model/field_input.h"
#include "model/game.h"

namespace kelvane {

namespace {

// Pulls the stored cell into the footprint; false when the footprint is empty.
bool KeepInFootprint(Game& game) {
  const Extents e = GridExtents(game.figure);
  if (e.x < 1 || e.y < 1) {
    return false;
  }
  FieldCursor& cursor = game.fieldCursor;
  cursor.x = std::clamp(cursor.x, 0, e.x - 1);
  cursor.y = std::clamp(cursor.y, 0, e.y - 1);
  return true;
}

}  // namespace

std::optional<FloorCell> FieldCursorCell(const Game& game) {
  const Extents e = GridExtents(game.figure);
  const FieldCursor& cursor = game.fieldCursor;
  if (!cursor.shown || e.x < 1 || e.y < 1) {
    return std::nullopt;
  }
  return FloorCell{std::clamp(cursor.x, 0, e.x - 1), std::clamp(cursor.y, 0, e.y - 1)};
}

void ShowFieldCursor(Game& game, Platform& platform) {
  if (!game.fieldCursor.shown) {
    game.fieldCursor.shown = true;
    platform.Invalidate(false);
  }
}

void HideFieldCursor(Game& game, Platform& platform) {
  if (game.fieldCursor.shown) {
    game.fieldCursor.shown = false;
    platform.Invalidate(false);
  }
}

void MoveFieldCursor(Game& game, Platform& platform, int dx, int dy) {
  if (!KeepInFootprint(game)) {
    return;
  }
  if (!game.fieldCursor.shown) {
    ShowFieldCursor(game, platform);
    return;
  }
  game.fieldCursor.x += dx;
  game.fieldCursor.y += dy;
  KeepInFootprint(game);
  platform.Invalidate(false);
}

void PressAtFieldCursor(Game& game, Platform& platform) {
  // A press the player cannot see aimed would act on a cell they did not choose.
  if (!game.fieldCursor.shown) {
    ShowFieldCursor(game, platform);
    return;
  }
  FieldClick(game, platform, FieldCursorCell(game));
}

}  // namespace kelvane
