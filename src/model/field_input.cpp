// SPDX-License-Identifier: GPL-3.0-or-later
// What clicks, the orientation menu, the X, Y, Z keys and the piece panel do on the field.
#include "model/field_input.h"

#include "model/create_mode.h"
#include "model/game.h"
#include "model/move_history.h"
#include "model/orientation.h"
#include "model/orientation_menus.h"
#include "model/placement.h"

namespace kelvane {

namespace {

// A cell outside the Figure's footprint or off the grid's layers is treated as no cell at all.
std::optional<FloorCell> CellOnCurrentLayer(const Game& game, std::optional<FloorCell> cell) {
  const Extents f = GridExtents(game.figure);
  if (!cell || cell->x < 0 || cell->y < 0 || cell->x >= f.x || cell->y >= f.y ||
      game.currentLayer < 0 || game.currentLayer >= kGridSize) {
    return std::nullopt;
  }
  return cell;
}

void ToggleCube(Game& game, Platform& platform, std::optional<FloorCell> cell) {
  if (cell) {
    RecordMove(game);
    std::int8_t& cube = game.field.at(cell->x, cell->y, game.currentLayer);
    cube = cube == 0 ? kPlainCube : kEmptyCell;
  }
  platform.Invalidate(false);
}

// Only a visible piece's cube is picked up, never a plain cube.
bool TryPickUp(Game& game, Platform& platform, std::optional<FloorCell> cell) {
  if (!cell) {
    return false;
  }
  const std::int8_t value = game.field.at(cell->x, cell->y, game.currentLayer);
  if (value < 2 || value > 8 || game.hideFlags[value - 2] != 0) {
    return false;
  }
  PickUpPiece(game, platform, value);
  return true;
}

// The selected piece is one to lay, not one lying on the Field.
bool LayingSelectedPiece(const Game& game, Platform& platform) {
  const int s = SelectedPanelItem(platform);
  return !InCreateByCubesMode(game) && s >= 1 && !PieceOnField(game, PieceCellValue(s - 1));
}

// The selected piece number 1 … 7 when it may be turned, else 0.
int TurnablePiece(const Game& game, Platform& platform) {
  const int s = SelectedPanelItem(platform);
  if (s < 1 || InCreateByCubesMode(game) || PieceOnField(game, PieceCellValue(s - 1))) {
    return 0;
  }
  return s;
}

}  // namespace

void FieldClick(Game& game, Platform& platform, std::optional<FloorCell> hit) {
  const std::optional<FloorCell> cell = CellOnCurrentLayer(game, hit);
  if (InCreateByCubesMode(game)) {
    ToggleCube(game, platform, cell);
    return;
  }
  if (SelectedPanelItem(platform) < 0) {
    return;
  }
  if (LayingSelectedPiece(game, platform)) {
    PlaceSelectedPiece(game, platform, cell);
    return;
  }
  TryPickUp(game, platform, cell);
}

void FieldTap(Game& game, Platform& platform, std::optional<FloorCell> hit,
              std::optional<FloorCell>& previewed) {
  const std::optional<FloorCell> cell = CellOnCurrentLayer(game, hit);
  const bool secondTap = cell && cell == previewed;
  previewed.reset();
  if (!InCreateByCubesMode(game) && !secondTap && TryPickUp(game, platform, cell)) {
    previewed = cell;
  } else if (!LayingSelectedPiece(game, platform) || secondTap) {
    FieldClick(game, platform, cell);
  } else if (cell) {
    previewed = cell;
    platform.Invalidate(false);
  }
}

std::optional<int> OrientationMenuToOpen(const Game& game, Platform& platform) {
  const int s = TurnablePiece(game, platform);
  if (s == 0 || game.hideFlags[s - 1] != 0) {
    return std::nullopt;
  }
  return OrientationMenuIdForCount(game.orientationCounts[s - 1]);
}

void ApplyOrientationCommand(Game& game, Platform& platform, int commandId) {
  const int s = SelectedPanelItem(platform);
  if (s < 1) {
    return;
  }
  const int index = OrientationIndexFromCommand(commandId);
  // An id beyond the piece's count would empty its grid and lose the piece.
  if (index >= game.orientationCounts[s - 1]) {
    return;
  }
  game.pieceGrids[s - 1] = OrientationSlot(game, s - 1, index);
  platform.Invalidate(false);
}

void TurnSelectedPiece(Game& game, Platform& platform, int virtualKey) {
  void (*turn)(CellGrid&) = nullptr;
  switch (virtualKey) {
    case 'X':
      turn = RotateAboutX;
      break;
    case 'Y':
      turn = RotateAboutY;
      break;
    case 'Z':
      turn = RotateAboutZ;
      break;
    default:
      return;
  }
  const int s = TurnablePiece(game, platform);
  if (s == 0) {
    return;
  }
  turn(game.pieceGrids[s - 1]);
  platform.Invalidate(false);
}

void ToggleHideFromPanel(Game& game, Platform& platform) {
  const int s = SelectedPanelItem(platform);
  if (s >= 1) {
    HidePiece(game, platform, s);
  }
}

}  // namespace kelvane
