// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer and key input on the composed client area.
#include "render/client_input.h"

#include "model/command_states.h"
#include "model/field_cursor.h"
#include "model/field_input.h"
#include "model/layers.h"
#include "model/motion_timeline.h"
#include "render/client_frame.h"
#include "render/hit_test.h"

namespace kelvane {
namespace {

constexpr int kKeyEnter = 13, kKeySpace = 32, kKeyLeft = 37, kKeyDown = 40;

// A press or a tap: the panel chooses an item (and `onItem` may go on), the field runs `onField`
// with the cell under `client`. A running motion ends first and takes the press.
template <typename OnItem, typename OnField>
void PressOrTap(Game& game, Platform& platform, Point client, OnItem onItem, OnField onField) {
  if (FinishMotion(game, platform)) {
    return;
  }
  if (const std::optional<int> item = PanelItemAt(game, client)) {
    platform.SetPanelSelection(*item);
    onItem();
  } else {
    onField(HitTestFloorCell(game, client));
  }
  UpdateCommandStates(game, platform);
}

}  // namespace

void PressClientArea(Game& game, Platform& platform, Point client, int clicks) {
  PressOrTap(
      game, platform, client,
      [&] {
        if (clicks == 2) {
          ToggleHideFromPanel(game, platform);
        }
      },
      [&](std::optional<FloorCell> cell) { FieldClick(game, platform, cell); });
}

void TapClientArea(Game& game, Platform& platform, Point client,
                   std::optional<FloorCell>& previewed) {
  PressOrTap(
      game, platform, client, [&] { previewed.reset(); },
      [&](std::optional<FloorCell> cell) { FieldTap(game, platform, cell, previewed); });
}

std::optional<Point> MenuKeyPopupPlace(Game& game, Platform& platform) {
  ShowFieldCursor(game, platform);
  const std::optional<FloorCell> cell = FieldCursorCell(game);
  return cell ? std::optional<Point>(FloorCellCentre(game, *cell)) : std::nullopt;
}

bool KeyOnClientArea(Game& game, Platform& platform, int virtualKey) {
  const bool turn = virtualKey == 'X' || virtualKey == 'Y' || virtualKey == 'Z';
  const bool arrow = virtualKey >= kKeyLeft && virtualKey <= kKeyDown;
  const bool press = virtualKey == kKeyEnter || virtualKey == kKeySpace;
  if (!turn && !arrow && !press) {
    return false;
  }
  if (FinishMotion(game, platform)) {
    return true;
  }
  if (turn) {
    TurnSelectedPiece(game, platform, virtualKey);
  } else if (press) {
    PressAtFieldCursor(game, platform);
  } else {
    // Left, up, right, down.
    constexpr int kSteps[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    const int* step = kSteps[virtualKey - kKeyLeft];
    MoveFieldCursor(game, platform, step[0], step[1]);
  }
  UpdateCommandStates(game, platform);
  return true;
}

void WheelOnClientArea(Game& game, Platform& platform, int delta) {
  if (!FinishMotion(game, platform)) {
    ChangeLayer(game, platform, delta);
  }
}

}  // namespace kelvane
