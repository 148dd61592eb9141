// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: its eleven lines, its defaults and how its values are read.
#include "storage/settings_file.h"

#include <gtest/gtest.h>

#include "model/char_buffer.h"
#include "scoped_temp_dir.h"

namespace kelvane {
namespace {

constexpr std::string_view kFirstRunText =
    "[LAST]\r\nPUZZLE = \r\n\r\n"
    "[OPTIONS]\r\nCOLOR_BACK = 13158600\r\nCOLOR_INK = 9868950\r\nSCALE = 4\r\n"
    "SHOW_CHECKERS = 1\r\nSHOW_HELPERS = 1\r\nSKIN_INDEX = 1\r\n\r\n";

// The first run's text with the given keys' values replaced.
std::string FirstRunWith(const std::vector<std::pair<std::string, std::string>>& values) {
  std::string text(kFirstRunText);
  for (const auto& [key, value] : values) {
    const size_t start = text.find("\n" + key + " = ") + key.size() + 4;
    text.replace(start, text.find('\r', start) - start, value);
  }
  return text;
}

TEST(SettingsText, ValuesAreReadCaseBlindDefaultedCheckedAndCut) {
  const struct {
    std::string text;
    std::vector<std::pair<std::string, std::string>> values;
  } cases[] = {
      {"[OPTIONS]\r\nSKIN_INDEX = 9\r\nSCALE = 2\r\n", {{"SKIN_INDEX", "9"}, {"SCALE", "2"}}},
      {"[last]\npuzzle=cube.kvp\n[options]\ncolor_back=255\nshow_helpers  =  0\nscale=8\n",
       {{"PUZZLE", "cube.kvp"}, {"COLOR_BACK", "255"}, {"SHOW_HELPERS", "0"}, {"SCALE", "8"}}},
      {"[OPTIONS]\nCOLOR_INK = red\nSHOW_CHECKERS = off\nSCALE = 1\n",
       {{"COLOR_INK", "0"}, {"SHOW_CHECKERS", "0"}}},
      {"[LAST]\nPUZZLE = " + std::string(300, 'p') + "\n[OPTIONS]\nSCALE = 9\n",
       {{"PUZZLE", std::string(259, 'p')}}},
      {"garbage \xff\r\n[OPTIONS\r\nSCALE = 3\r\n", {}},
  };
  for (const auto& c : cases) {
    Settings settings;
    ParseSettingsText(c.text, settings);
    EXPECT_EQ(FormatSettingsText(settings), FirstRunWith(c.values)) << c.text;
  }
}

using SettingsFile = testing::InTemporaryDirectory;

TEST_F(SettingsFile, FirstRunWritesTheElevenLinesTheyLoadAgainAndDefaultsKeepThePuzzle) {
  Game game;
  LoadSettings(game);
  SaveSettings(game);
  EXPECT_EQ(FileBytes("Kelvane.ini"), kFirstRunText);

  game.settings.COLOR_BACK = 0x00FF8040;
  SetBufferText(game.settings.PUZZLE, "Tower.kvp");
  SaveSettings(game);
  Game next;
  LoadSettings(next);
  EXPECT_EQ(FormatSettingsText(next.settings), FormatSettingsText(game.settings));
  SetDefaultSettings(next.settings);
  EXPECT_EQ(FormatSettingsText(next.settings), FirstRunWith({{"PUZZLE", "Tower.kvp"}}));
}

}  // namespace
}  // namespace kelvane
