// SPDX-License-Identifier: GPL-3.0-or-later
// Every file the game reads, fed with garbage, oversized, binary or of the wrong kind: the game
// keeps running, says what the rules say, and writes nothing it should not.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "creation/create_puzzle.h"
#include "creation/figure_import.h"
#include "model/cell_grid.h"
#include "storage/new_game_dialog.h"
#include "storage/puzzle_file.h"
#include "storage/puzzle_save.h"
#include "storage/save_puzzle_dialog.h"
#include "storage/scoped_temp_dir.h"
#include "storage/settings_file.h"
#include "support/fake_platform.h"
#include "support/test_game.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using testing::FakePlatform;
using namespace std::string_literals;

std::string RandomBytes(size_t count, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(count, '\0');
  for (char& byte : bytes) {
    byte = static_cast<char>(random() & 0xFF);
  }
  return bytes;
}

// Garbage that every reader of outside text must survive.
std::map<std::string, std::string> Garbage() {
  return {
      {"empty", ""},
      {"random bytes", RandomBytes(4096, 1)},
      {"NUL bytes", std::string(300, '\0')},
      {"high bytes", std::string(300, '\xFF')},
      {"only CRs", std::string(500, '\r')},
      {"only LFs", std::string(500, '\n')},
      {"one long line", std::string(100000, '1')},
      {"unclosed section", "[OPTIONS\r\nSCALE = 3\r\n[SIZE\r\nDX = 3"},
      {"huge numbers",
       "[OPTIONS]\r\nSCALE = 99999999999999999999\r\nCOLOR_BACK = -99999999999999999999\r\n"
       "[SIZE]\r\nDX = 4294967299\r\nDY = -4294967293\r\nDZ = 2147483648\r\n"},
      {"NUL inside values", "[LAST]\r\nPUZZLE = a\0b.kvp\r\n[SIZE]\r\nDX = 2\0\r\n"s},
      {"random text lines",
       "[SIZE]\r\nDX = 3\r\nDY = 3\r\nDZ = 3\r\n[Z0]\r\nY0 = " + RandomBytes(3, 2) + "\r\n"},
  };
}

// Oversized files are refused before they are read into memory.
const std::string kOversized = std::string(3 << 20, '1');

// --- the settings file ---

using SettingsFileUnderAttack = testing::InTemporaryDirectory;

TEST_F(SettingsFileUnderAttack, GarbageLoadsAsUsableSettingsThatRoundTripAtExit) {
  auto game = testing::NewBlankGame();
  const std::string file = SettingsFileName(*game);
  auto cases = Garbage();
  cases["oversized"] = kOversized;
  for (const auto& [name, bytes] : cases) {
    SCOPED_TRACE(name);
    WriteFile(file, bytes);
    LoadSettings(*game);
    EXPECT_GE(game->settings.SCALE, 2);
    EXPECT_LE(game->settings.SCALE, 8);
    // What is written at exit reads back as the same settings: one bad run does not spread.
    SaveSettings(*game);
    const std::string written = FileBytes(file);
    EXPECT_EQ(written, FormatSettingsText(game->settings));
    auto again = testing::NewBlankGame();
    LoadSettings(*again);
    EXPECT_EQ(FormatSettingsText(again->settings), written);
  }
}

TEST_F(SettingsFileUnderAttack, FolderOrFifoInItsPlaceReadsAsDefaultsAndIsLeftAlone) {
  auto game = testing::NewBlankGame();
  fs::create_directory("Kelvane.ini");
  LoadSettings(*game);
  EXPECT_EQ(game->settings.SCALE, 4);
  SaveSettings(*game);
  EXPECT_TRUE(fs::is_directory("Kelvane.ini"));

  fs::remove("Kelvane.ini");
  // A named pipe would block a reader that opened it blindly.
  ASSERT_EQ(mkfifo("Kelvane.ini", 0600), 0);
  LoadSettings(*game);
  EXPECT_EQ(game->settings.SCALE, 4);
  SaveSettings(*game);
  EXPECT_TRUE(fs::is_fifo("Kelvane.ini"));
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1)
      << "no temporary file is left behind";
}

// --- puzzle files and the New game list ---

using PuzzleFilesUnderAttack = testing::InTemporaryDirectory;

TEST_F(PuzzleFilesUnderAttack, GarbageIsRejectedPreviewedAsInvalidAndLeftUntouched) {
  auto cases = Garbage();
  cases["oversized"] = "[SIZE]\r\nDX = 3\r\nDY = 3\r\nDZ = 3\r\n" + kOversized;
  cases["row longer than its buffer"] =
      "[SIZE]\r\nDX = 10\r\nDY = 2\r\nDZ = 2\r\n[Z0]\r\nY0 = " + std::string(300, '1') + "\r\n";
  std::map<std::string, std::string> files;
  for (const auto& [name, bytes] : cases) {
    files[name + ".kvp"] = bytes;
    WriteFile("Puzzles/" + name + ".kvp", bytes);
  }
  fs::create_directory("Puzzles/folder.kvp");
  ASSERT_EQ(mkfifo("Puzzles/pipe.kvp", 0600), 0);
  fs::create_symlink("missing-target.kvp", "Puzzles/dangling.kvp");
  fs::create_symlink("/dev/zero", "Puzzles/endless.kvp");

  auto game = testing::NewInitialisedGame();
  FakePlatform platform;
  NewGameList list = OpenNewGameList(*game);
  const CellGrid figureBefore = game->figure;
  for (list.selection = 0; list.selection < std::ssize(list.entries); ++list.selection) {
    const std::string& entry = list.entries[list.selection];
    SCOPED_TRACE(entry);
    CellGrid loaded{};
    EXPECT_EQ(PreviewSelection(list, loaded), NewGamePreview::InvalidFormat);
    // OK on an unreadable entry keeps the dialog open and the game as it was.
    EXPECT_FALSE(ConfirmNewGame(*game, platform, list, loaded));
    EXPECT_TRUE(GridEquals(game->figure, figureBefore));
  }
  // Pipes, devices and dangling links are not puzzle files and are not listed.
  EXPECT_EQ(list.entries.size(), files.size());
  for (const auto& [name, bytes] : files) {
    EXPECT_EQ(FileBytes("Puzzles/" + name), bytes) << name;
  }
}

// --- the clipboard ---

TEST(ClipboardUnderAttack, GarbageTextReportsAndChangesNothing) {
  auto cases = Garbage();
  cases["sixteen megabytes"] = std::string(16 << 20, '1');
  cases["cubes behind a NUL"] =
      "\0"
      "111\r\n111\r\n111"s;
  for (const auto& [name, text] : cases) {
    SCOPED_TRACE(name);
    auto game = testing::NewInitialisedGame();
    FakePlatform platform;
    platform.clipboard = text;
    const CellGrid figure = game->figure;
    const CellGrid field = game->field;
    CreatePuzzle(*game, platform, CreateMode::Import);
    if (game->createMode == 0) {
      ASSERT_EQ(platform.messages.size(), 1u);
      EXPECT_EQ(platform.messages[0].text, kFigureFormatMessage);
      EXPECT_TRUE(GridEquals(game->figure, figure));
      EXPECT_TRUE(GridEquals(game->field, field));
    } else {
      // Whatever parses is a figure of exactly 27 plain cubes.
      EXPECT_TRUE(platform.messages.empty());
      EXPECT_EQ(CountCells(game->field), 27);
    }
  }
}

// --- saving where the file system says no ---

class SaveUnderAttack : public testing::InTemporaryDirectory {
 protected:
  void SetUp() override {
    InTemporaryDirectory::SetUp();
    game_ = testing::NewInitialisedGame();
    CreatePuzzle(*game_, platform_, CreateMode::ByCubes);
    for (int z = 0; z < 3; ++z) {
      for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) {
          game_->field.at(x, y, z) = 1;
        }
      }
    }
  }

  // Saves under `name`, answering Yes to an overwrite question; the one message shown.
  std::string SaveAs(std::string_view name) {
    platform_.answers = {MessageAnswer::Yes};
    platform_.messages.clear();
    EXPECT_TRUE(ConfirmSavePuzzle(*game_, platform_, name));
    return platform_.messages.empty() ? "" : platform_.messages.back().text;
  }

  std::unique_ptr<Game> game_;
  FakePlatform platform_;
};

// A file where the folder should be, or a folder of the name: reported and kept, and the player
// can go on and save elsewhere.
TEST_F(SaveUnderAttack, ObstaclesAreReportedAndKept) {
  WriteFile("Puzzles", "not a folder");
  EXPECT_EQ(SaveAs("cube"), kCannotCreateMessage);
  EXPECT_EQ(FileBytes("Puzzles"), "not a folder");
  EXPECT_EQ(game_->createMode, 1);

  fs::remove("Puzzles");
  fs::create_directories("Puzzles/cube.kvp");
  EXPECT_EQ(SaveAs("cube"), kCannotCreateMessage);
  EXPECT_TRUE(fs::is_directory("Puzzles/cube.kvp"));
}

}  // namespace
}  // namespace kelvane
