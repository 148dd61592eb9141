// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's entry points: the one Game, started, painted and fed the page's input.
#include <emscripten.h>

#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "model/command_states.h"
#include "model/field_cursor.h"
#include "model/field_input.h"
#include "model/game.h"
#include "model/game_init.h"
#include "model/layers.h"
#include "render/client_frame.h"
#include "render/graphics_setup.h"
#include "render/hit_test.h"
#include "render/skins.h"
#include "storage/bests_file.h"
#include "storage/extra_options_file.h"
#include "storage/kept_game_file.h"
#include "storage/settings_file.h"
#include "storage/solved_record_file.h"
#include "web/skin_sheets.h"
#include "web/web_platform.h"

namespace {

// The one game and its platform, alive for the page's life.
kelvane::Game game;
kelvane::WebPlatform platform(game);

// The BackBuffer is screen-sized; a small window still leaves room for the largest field.
constexpr int kLeastScreenWidth = 1600, kLeastScreenHeight = 1200;

}  // namespace

extern "C" {

// Reads the player's files from the working folder; returns the skin picture (1…7) to fetch.
EMSCRIPTEN_KEEPALIVE int kelvane_load(const char* folder) {
  if (chdir(folder) != 0) {
    return 0;
  }
  kelvane::LoadSettings(game);
  kelvane::LoadExtraOptions(game);
  kelvane::LoadSolvedRecord(game);
  kelvane::LoadBests(game);
  kelvane::InitialiseGame(game);
  return kelvane::SkinNumber(game.settings.SKIN_INDEX);
}

EMSCRIPTEN_KEEPALIVE void kelvane_give_skin(int number, const std::uint8_t* rgba, int size) {
  kelvane::KeepSkinSheet(number, {rgba, static_cast<std::size_t>(size)});
}

EMSCRIPTEN_KEEPALIVE void kelvane_start(int screenWidth, int screenHeight, int pixelRatio) {
  kelvane::CreateGraphics(game, std::max(screenWidth, kLeastScreenWidth),
                          std::max(screenHeight, kLeastScreenHeight), std::max(1, pixelRatio));
  kelvane::ApplyScaleAndSkin(game, platform);
  kelvane::BuildSpriteMask(game);
  platform.ResetPanel();
  kelvane::ResumeKeptGame(game, platform);
  kelvane::UpdateCommandStates(game, platform);
  game.randomSource.seed(
      static_cast<std::uint_fast32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

EMSCRIPTEN_KEEPALIVE void kelvane_paint() {
  platform.Paint();
}

// The keys the desktop's window takes without a menu: X, Y and Z turn the selected piece, the
// plain arrows move the keyboard's cell, Enter and Space press there (DOM key codes).
EMSCRIPTEN_KEEPALIVE void kelvane_key(int keyCode) {
  switch (keyCode) {
    case 'X':
    case 'Y':
    case 'Z':
      kelvane::TurnSelectedPiece(game, platform, keyCode);
      break;
    case 37:
      kelvane::MoveFieldCursor(game, platform, -1, 0);
      break;
    case 38:
      kelvane::MoveFieldCursor(game, platform, 0, -1);
      break;
    case 39:
      kelvane::MoveFieldCursor(game, platform, 1, 0);
      break;
    case 40:
      kelvane::MoveFieldCursor(game, platform, 0, 1);
      break;
    case 13:
    case 32:
      kelvane::PressAtFieldCursor(game, platform);
      break;
    default:
      return;
  }
  kelvane::UpdateCommandStates(game, platform);
}

EMSCRIPTEN_KEEPALIVE void kelvane_pointer_move(int x, int y) {
  platform.SetPointer({x, y});
  kelvane::HideFieldCursor(game, platform);
  platform.Invalidate(false);
}

// The primary button at (x, y): on the panel it chooses an item (a second press hides or shows
// the piece, as a double click does on the desktop), on the field it lays or picks up.
EMSCRIPTEN_KEEPALIVE void kelvane_press(int x, int y, int clicks) {
  platform.SetPointer({x, y});
  if (const std::optional<int> item = kelvane::PanelItemAt(game, {x, y})) {
    platform.SetPanelSelection(*item);
    if (clicks == 2) {
      kelvane::ToggleHideFromPanel(game, platform);
    }
  } else {
    kelvane::FieldClick(game, platform, kelvane::HitTestFloorCell(game, platform));
  }
  kelvane::UpdateCommandStates(game, platform);
}

EMSCRIPTEN_KEEPALIVE void kelvane_wheel(int delta) {
  kelvane::ChangeLayer(game, platform, delta);
}

}  // extern "C"
