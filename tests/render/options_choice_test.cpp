// SPDX-License-Identifier: GPL-3.0-or-later
// The Options dialog's OK without a window: what reaches the Game from a page's script.
#include "render/options_choice.h"

#include <gtest/gtest.h>

#include <tuple>

#include "render/graphics_setup.h"
#include "render/skins.h"
#include "storage/language_choice_file.h"
#include "storage/scoped_temp_dir.h"
#include "support/fake_platform.h"
#include "support/test_game.h"

namespace kelvane {
namespace {

using OptionsChoiceApply = testing::InTemporaryDirectory;

// The page hands over whatever its script sends: each value lands as the desktop's controls could
// hold it, and a language code that could break its line of the file is not kept.
TEST_F(OptionsChoiceApply, StoresOnlyValuesTheDesktopDialogCouldHold) {
  auto game = testing::NewInitialisedGame();
  CreateGraphics(*game, 800, 600);
  testing::FakePlatform platform;
  OptionsChoice choice = CurrentOptions(*game);
  choice.settings = {0xFF123456, 0x01000000, 5, -2, kSkinCount, 9, {}};
  choice.extras.pieceNumbers = true;
  choice.language = "de\r\n[Options]";
  ApplyOptions(*game, platform, choice);
  const Settings& kept = game->settings;
  EXPECT_EQ(std::tie(kept.COLOR_BACK, kept.COLOR_INK, kept.SHOW_CHECKERS, kept.SHOW_HELPERS,
                     kept.SKIN_INDEX, kept.SCALE),
            std::make_tuple(0x123456u, 0u, 1, 1, -1, 4));
  EXPECT_TRUE(game->extras.pieceNumbers);
  EXPECT_EQ(ChosenLanguage(), "");
  EXPECT_EQ(platform.fits, 1);
  EXPECT_EQ(platform.invalidations, 1);

  choice.language = "pt-BR";
  ApplyOptions(*game, platform, choice);
  EXPECT_EQ(CurrentOptions(*game).language, "pt-BR");
}

}  // namespace
}  // namespace kelvane
