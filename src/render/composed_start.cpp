// SPDX-License-Identifier: GPL-3.0-or-later
// The start of a game composed whole into one picture.
#include "render/composed_start.h"

#include <algorithm>

#include "model/command_states.h"
#include "model/game_init.h"
#include "render/graphics_setup.h"
#include "render/skins.h"
#include "storage/bests_file.h"
#include "storage/extra_options_file.h"
#include "storage/kept_game_file.h"
#include "storage/settings_file.h"
#include "storage/solved_record_file.h"

namespace kelvane {
namespace {

// The BackBuffer is screen-sized; a small screen still leaves room for the largest field.
constexpr int kLeastScreenWidth = 1600, kLeastScreenHeight = 1200;

}  // namespace

void LoadPlayerFiles(Game& game) {
  LoadSettings(game);
  LoadExtraOptions(game);
  LoadSolvedRecord(game);
  LoadBests(game);
  InitialiseGame(game);
}

void StartComposedGame(Game& game, Platform& platform, Size screen, int pixelRatio) {
  CreateGraphics(game, std::max(screen.width, kLeastScreenWidth),
                 std::max(screen.height, kLeastScreenHeight), std::max(1, pixelRatio));
  ApplyScaleAndSkin(game, platform);
  BuildSpriteMask(game);
  platform.ResetPanel();
  ResumeKeptGame(game, platform);
  UpdateCommandStates(game, platform);
}

}  // namespace kelvane
