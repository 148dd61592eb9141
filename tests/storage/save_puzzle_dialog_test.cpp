// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a created figure: the name rules, the overwrite question, the file written, and what
// is kept when the file system says no.
#include "storage/save_puzzle_dialog.h"

#include <gtest/gtest.h>

#include <memory>

#include "creation/create_puzzle.h"
#include "scoped_temp_dir.h"
#include "storage/puzzle_file.h"
#include "support/fake_platform.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using testing::FakePlatform;

// The small example, built off the corner; saved, it moves there.
constexpr std::string_view kSmallFigureText =
    "[SIZE]\r\nDX = 3\r\nDY = 2\r\nDZ = 2\r\n\r\n"
    "[Z0]\r\nY0 = 111\r\nY1 = 100\r\n\r\n"
    "[Z1]\r\nY0 = 100\r\nY1 = 000\r\n";

TEST(SavePuzzleName, CharactersAFileNameCannotHoldBeepAndStayOut) {
  FakePlatform platform;
  std::string name;
  for (const char c : std::string_view("my/ cube:(2)<>\"\\*?|")) {
    if (AcceptNameCharacter(platform, c)) {
      name += c;
    }
  }
  EXPECT_EQ(name, "my cube(2)");
  EXPECT_EQ(platform.beeps, 9);
}

// What lies on the disk when OK is pressed.
enum class Disk { Empty, OldFile, FolderOfTheName, FileForTheFolder };

using SavePuzzleDialog = testing::InTemporaryDirectory;

TEST_F(SavePuzzleDialog, EachNameIsRefusedAskedAboutSavedOrReported) {
  const std::string ask = "File exist. Overwrite?";
  const std::string cannot = "Error create file for save.";
  struct Case {
    std::string name;
    Disk disk;
    std::optional<MessageAnswer> answer;
    std::vector<std::string> messages;
    int beeps;
    bool closes;  // else the dialog stays open
    bool saved;
  };
  const Case cases[] = {
      {"", Disk::Empty, {}, {"Please enter a file name."}, 0, false, false},
      {"   ", Disk::Empty, {}, {"Please enter a file name."}, 0, false, false},
      {std::string(101, 'n'), Disk::Empty, {}, {}, 1, false, false},
      {"../escape", Disk::Empty, {}, {}, 1, false, false},
      {"cube", Disk::OldFile, MessageAnswer::No, {ask}, 0, false, false},
      {"cube", Disk::OldFile, MessageAnswer::Yes, {ask}, 0, true, true},
      {" my cube ", Disk::Empty, {}, {}, 0, true, true},
      {std::string(100, 'n'), Disk::Empty, {}, {}, 0, true, true},
      // A failed save says so, keeps what was there and closes the dialog in create mode.
      {"cube", Disk::FolderOfTheName, MessageAnswer::Yes, {ask, cannot}, 0, true, false},
      {"cube", Disk::FileForTheFolder, {}, {cannot}, 0, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const fs::directory_entry& entry : fs::directory_iterator(".")) {
      fs::remove_all(entry.path());
    }
    if (c.disk == Disk::FileForTheFolder) {
      WriteFile("Puzzles", "not a folder");
    } else if (c.disk == Disk::FolderOfTheName) {
      fs::create_directories("Puzzles/cube.kvp");
    } else if (c.disk == Disk::OldFile) {
      WriteFile("Puzzles/cube.kvp", "old");
    }
    auto expectedDisk = Snapshot();
    auto game = std::make_unique<Game>();
    FakePlatform platform;
    CreatePuzzle(*game, platform, CreateMode::ByCubes);
    for (const auto& [x, y, z] :
         {std::array{2, 3, 1}, {3, 3, 1}, {4, 3, 1}, {2, 4, 1}, {2, 3, 2}}) {
      game->field.at(x, y, z) = 1;
    }
    if (c.answer) {
      platform.answers = {*c.answer};
    }

    EXPECT_EQ(ConfirmSavePuzzle(*game, platform, c.name), c.closes);
    std::vector<std::string> texts;
    for (const auto& message : platform.messages) {
      texts.push_back(message.text);
    }
    EXPECT_EQ(texts, c.messages);
    if (!texts.empty() && texts.back() == cannot) {
      EXPECT_EQ(platform.messages.back().style, MessageStyle::Stop);
    }
    EXPECT_EQ(platform.beeps, c.beeps);
    EXPECT_EQ(game->createMode, c.saved ? 0 : 1);
    if (c.saved) {
      // Saved under the name as typed, and played under it.
      expectedDisk.erase("Puzzles/cube.kvp");
      expectedDisk["Puzzles/"] = "";
      expectedDisk["Puzzles/" + c.name + ".kvp"] = kSmallFigureText;
      CellGrid played;
      ASSERT_TRUE(ParsePuzzleText(kSmallFigureText, played));
      EXPECT_TRUE(GridEquals(game->figure, played));
      EXPECT_FALSE(GridHasCells(game->field));
      EXPECT_STREQ(game->PuzzleName.data(), c.name.c_str());
    }
    EXPECT_EQ(Snapshot(), expectedDisk) << "the old file is kept, no temporary file is left";
  }
}

}  // namespace
}  // namespace kelvane
