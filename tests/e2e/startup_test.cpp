// The game starts, shows its window and ends cleanly whatever state its files are in.
#include <gtest/gtest.h>

#include "game_session.h"

namespace kelvane::e2e {
namespace {

constexpr milliseconds kExitTimeout(15000);

const std::string kDefaultSettings =
    "[LAST]\r\nPUZZLE = \r\n\r\n[OPTIONS]\r\nCOLOR_BACK = 13158600\r\nCOLOR_INK = 9868950\r\n"
    "SCALE = 4\r\nSHOW_CHECKERS = 1\r\nSHOW_HELPERS = 1\r\nSKIN_INDEX = 1\r\n\r\n";

using Startup = GameTest;

TEST_F(Startup, FirstRunShowsTheWindowAndWritesTheDefaultSettingsAtExit) {
  const auto before = FolderContent(WorkingFolder());
  const std::string window = StartGame();
  ASSERT_FALSE(window.empty());
  ExitThroughMenu(window);
  EXPECT_EQ(WaitForGameExit(kExitTimeout), 0);

  auto after = FolderContent(WorkingFolder());
  EXPECT_EQ(after["Kelvane.ini"], kDefaultSettings);
  after.erase("Kelvane.ini");
  EXPECT_EQ(after, before) << "the game wrote something besides its settings";
}

}  // namespace
}  // namespace kelvane::e2e
