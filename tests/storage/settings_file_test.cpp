// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: its eleven lines, its defaults and how its values are read.
#include "storage/settings_file.h"

#include <gtest/gtest.h>

#include "model/char_buffer.h"
#include "scoped_temp_dir.h"

namespace kelvane {
namespace {

constexpr std::string_view kFirstRunText =
    "[LAST]\r\n"
    "PUZZLE = \r\n"
    "\r\n"
    "[OPTIONS]\r\n"
    "COLOR_BACK = 13158600\r\n"
    "COLOR_INK = 9868950\r\n"
    "SCALE = 4\r\n"
    "SHOW_CHECKERS = 1\r\n"
    "SHOW_HELPERS = 1\r\n"
    "SKIN_INDEX = 1\r\n"
    "\r\n";

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
      {"[OPTIONS]\r\nSKIN_INDEX = 9\r\n", {{"SKIN_INDEX", "9"}}},
      {"[last]\npuzzle=cube.kvp\n[options]\ncolor_back=255\nshow_helpers  =  0\n",
       {{"PUZZLE", "cube.kvp"}, {"COLOR_BACK", "255"}, {"SHOW_HELPERS", "0"}}},
      {"[OPTIONS]\nCOLOR_INK = red\nSHOW_CHECKERS = off\n",
       {{"COLOR_INK", "0"}, {"SHOW_CHECKERS", "0"}}},
      {"[LAST]\nPUZZLE = " + std::string(300, 'p') + "\n", {{"PUZZLE", std::string(259, 'p')}}},
      {"[OPTIONS]\nSCALE = 2\n", {{"SCALE", "2"}}},
      {"[OPTIONS]\nSCALE = 8\n", {{"SCALE", "8"}}},
      {"[OPTIONS]\nSCALE = 1\n", {}},
      {"[OPTIONS]\nSCALE = 9\n", {}},
      {"garbage \xff\r\n[OPTIONS\r\nSCALE = 3\r\n", {}},
  };
  for (const auto& c : cases) {
    Settings settings;
    ParseSettingsText(c.text, settings);
    EXPECT_EQ(FormatSettingsText(settings), FirstRunWith(c.values)) << c.text;
  }
}

TEST(SettingsText, DefaultsLeaveThePuzzleName) {
  Settings settings;
  SetBufferText(settings.PUZZLE, "cube.kvp");
  SetDefaultSettings(settings);
  EXPECT_EQ(FormatSettingsText(settings), FirstRunWith({{"PUZZLE", "cube.kvp"}}));
}

using SettingsFile = testing::InTemporaryDirectory;

TEST_F(SettingsFile, FirstRunWritesTheElevenLinesAndTheyLoadAgain) {
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
}

}  // namespace
}  // namespace kelvane
