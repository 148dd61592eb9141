// The settings file: its eleven lines, its defaults and how its values are read.
#include "storage/settings_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "scoped_temp_dir.h"

namespace kelvane {
namespace {

using testing::InTemporaryDirectory;

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

std::string PuzzleOf(const Settings& settings) {
  return settings.PUZZLE.data();
}

TEST(SettingsText, DefaultsAreWrittenAsTheElevenLinesOfAFirstRun) {
  Settings settings;
  SetDefaultSettings(settings);
  EXPECT_EQ(FormatSettingsText(settings), kFirstRunText);
}

TEST(SettingsText, DefaultsLeaveThePuzzleName) {
  Settings settings;
  std::strcpy(settings.PUZZLE.data(), "cube.kvp");
  SetDefaultSettings(settings);
  EXPECT_EQ(PuzzleOf(settings), "cube.kvp");
  EXPECT_EQ(settings.COLOR_BACK, 0xC8C8C8u);
  EXPECT_EQ(settings.COLOR_INK, 0x969696u);
  EXPECT_EQ(settings.SKIN_INDEX, 1);
}

TEST(SettingsText, MissingKeysTakeTheirDefaults) {
  Settings settings;
  ParseSettingsText("[OPTIONS]\r\nSKIN_INDEX = 9\r\n", settings);
  Settings expected;
  SetDefaultSettings(expected);
  expected.SKIN_INDEX = 9;
  EXPECT_EQ(FormatSettingsText(settings), FormatSettingsText(expected));
}

TEST(SettingsText, ReadsLowerCaseKeysAndRewritesThemInItsOwnForm) {
  Settings settings;
  ParseSettingsText("[last]\npuzzle=cube.kvp\n[options]\ncolor_back=255\nshow_helpers  =  0\n",
                    settings);
  EXPECT_EQ(PuzzleOf(settings), "cube.kvp");
  EXPECT_EQ(settings.COLOR_BACK, 255u);
  EXPECT_EQ(settings.SHOW_HELPERS, 0);
  EXPECT_EQ(FormatSettingsText(settings),
            "[LAST]\r\nPUZZLE = cube.kvp\r\n\r\n[OPTIONS]\r\nCOLOR_BACK = 255\r\n"
            "COLOR_INK = 9868950\r\nSCALE = 4\r\nSHOW_CHECKERS = 1\r\nSHOW_HELPERS = 0\r\n"
            "SKIN_INDEX = 1\r\n\r\n");
}

TEST(SettingsText, ScaleOutsideTwoToEightBecomesFour) {
  for (const auto& [written, read] :
       {std::pair{"1", 4}, {"9", 4}, {"2", 2}, {"8", 8}, {"abc", 4}, {"-3", 4}}) {
    Settings settings;
    ParseSettingsText("[OPTIONS]\nSCALE = " + std::string(written) + "\n", settings);
    EXPECT_EQ(settings.SCALE, read) << written;
  }
}

TEST(SettingsText, NonNumericValuesReadAsZero) {
  Settings settings;
  ParseSettingsText("[OPTIONS]\nCOLOR_INK = red\nSHOW_CHECKERS = off\n", settings);
  EXPECT_EQ(settings.COLOR_INK, 0u);
  EXPECT_EQ(settings.SHOW_CHECKERS, 0);
}

TEST(SettingsText, ALongPuzzleNameIsCutToItsBuffer) {
  Settings settings;
  ParseSettingsText("[LAST]\nPUZZLE = " + std::string(300, 'p') + "\n", settings);
  EXPECT_EQ(PuzzleOf(settings), std::string(259, 'p'));
}

class SettingsFile : public InTemporaryDirectory {};

TEST_F(SettingsFile, FirstRunReadsDefaultsAndWritesTheFileAtExit) {
  Game game;
  LoadSettings(game);
  EXPECT_EQ(game.settings.SCALE, 4);
  EXPECT_EQ(game.settings.SHOW_CHECKERS, 1);
  SaveSettings(game);
  EXPECT_EQ(FileBytes("Kelvane.ini"), kFirstRunText);
}

TEST_F(SettingsFile, SavedSettingsLoadAgain) {
  Game game;
  LoadSettings(game);
  game.settings.SKIN_INDEX = 9;
  game.settings.COLOR_BACK = 0x00FF8040;
  std::strcpy(game.settings.PUZZLE.data(), "Tower.kvp");
  SaveSettings(game);

  Game next;
  LoadSettings(next);
  EXPECT_EQ(next.settings.SKIN_INDEX, 9);
  EXPECT_EQ(next.settings.COLOR_BACK, 0x00FF8040u);
  EXPECT_EQ(PuzzleOf(next.settings), "Tower.kvp");
}

}  // namespace
}  // namespace kelvane
