// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a created figure: the name rules, the overwrite question, the file written, and what
// is kept when the file system says no.
#include "storage/save_puzzle_dialog.h"

#include <gtest/gtest.h>

#include <memory>

#include "creation/create_puzzle.h"
#include "scoped_temp_dir.h"
#include "storage/puzzle_file.h"
#include "storage/puzzle_upload.h"
#include "support/fake_platform.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

// The small example, built off the corner; saved, it moves there.
constexpr std::string_view kSmallFigureText =
    "[SIZE]\r\nDX = 3\r\nDY = 2\r\nDZ = 2\r\n\r\n"
    "[Z0]\r\nY0 = 111\r\nY1 = 100\r\n\r\n"
    "[Z1]\r\nY0 = 100\r\nY1 = 000\r\n";

TEST(SavePuzzleName, CharactersAFileNameCannotHoldBeepAndStayOut) {
  testing::FakePlatform platform;
  std::string name = "my/ cube:(2)<>\"\\*?|";
  std::erase_if(name, [&](char c) { return !AcceptNameCharacter(platform, c); });
  EXPECT_EQ(name, "my cube(2)");
  EXPECT_EQ(platform.beeps, 9);
}

using SavePuzzleDialog = testing::InTemporaryDirectory;

TEST_F(SavePuzzleDialog, EachNameIsRefusedAskedAboutSavedOrReported) {
  const std::string ask = "message: File exist. Overwrite?";
  const std::string cannot = "message: Error create file for save.";
  struct Case {
    std::string name;
    std::string onDisk;  // a file holding "old", or a folder when it ends in '/'
    bool overwrite;      // the answer when asked
    std::vector<std::string> events;
    bool closes;  // else the dialog stays open
    bool saved;
  };
  const Case cases[] = {
      {"", "", false, {"message: Please enter a file name."}, false, false},
      {"   ", "", false, {"message: Please enter a file name."}, false, false},
      {std::string(101, 'n'), "", false, {"beep"}, false, false},
      {"../escape", "", false, {"beep"}, false, false},
      {std::string("a\0b", 3), "", false, {"beep"}, false, false},  // would cut the file name short
      {"cube", "Puzzles/cube.kvp", false, {ask}, false, false},
      {"cube", "Puzzles/cube.kvp", true, {ask}, true, true},
      {" my cube ", "", false, {}, true, true},
      {std::string(100, 'n'), "", false, {}, true, true},
      // A failed save says so, keeps what was there and closes the dialog in create mode.
      {"cube", "Puzzles/cube.kvp/", true, {ask, cannot}, true, false},
      {"cube", "Puzzles", false, {cannot}, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all("Puzzles");
    if (c.onDisk.ends_with('/')) {
      fs::create_directories(c.onDisk);
    } else if (!c.onDisk.empty()) {
      WriteFile(c.onDisk, "old");
    }
    auto expectedDisk = Snapshot();
    auto game = std::make_unique<Game>();
    testing::FakePlatform platform;
    CreatePuzzle(*game, platform, CreateMode::ByCubes);
    for (const auto& [x, y, z] :
         {std::array{2, 3, 1}, {3, 3, 1}, {4, 3, 1}, {2, 4, 1}, {2, 3, 2}}) {
      game->field.at(x, y, z) = 1;
    }
    platform.answers = {c.overwrite ? MessageAnswer::Yes : MessageAnswer::No};

    EXPECT_EQ(ConfirmSavePuzzle(*game, platform, c.name), c.closes);
    EXPECT_EQ(platform.events, c.events);
    if (!c.events.empty() && c.events.back() == cannot) {
      EXPECT_EQ(platform.messages.back().style, MessageStyle::Stop);
    }
    EXPECT_EQ(game->createMode, c.saved ? 0 : 1);
    if (c.saved) {
      // Saved under the name as typed, and played under it.
      expectedDisk.erase("Puzzles/cube.kvp");
      expectedDisk["Puzzles/"] = "";
      expectedDisk["Puzzles/" + c.name + ".kvp"] = kSmallFigureText;
      EXPECT_EQ(FormatPuzzleText(game->figure), kSmallFigureText);
      EXPECT_FALSE(GridHasCells(game->field));
      EXPECT_STREQ(game->PuzzleName.data(), c.name.c_str());
    }
    EXPECT_EQ(Snapshot(), expectedDisk) << "the old file is kept, no temporary file is left";
  }
}

// An uploaded file joins the library only with a puzzle's name and text, and replaces a puzzle
// only when the player says Yes: a bad file loses nothing.
TEST_F(SavePuzzleDialog, AnAddedFileNeedsAPuzzleNameAndTextAndAsksBeforeReplacing) {
  WriteFile("Puzzles/cube.kvp", "old");
  const auto before = Snapshot();
  const Game game;
  testing::FakePlatform platform;
  platform.answers = {MessageAnswer::No, MessageAnswer::Yes};
  for (const std::string_view name : {".kvp", "cube.txt", "a:b.kvp", "cube.kvp", "cube.kvp"}) {
    EXPECT_FALSE(AddPuzzleFile(game, platform, name, name == "cube.kvp" ? "[SIZE]\r\n" : ""));
  }
  EXPECT_FALSE(
      AddPuzzleFile(game, platform, "Cube.KVP", std::string(kMaxPuzzleFileBytes + 1, ' ')));
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(platform.messages.size(), 6u);
  EXPECT_EQ(platform.events[4],
            "message: cube.kvp was not added: it is not a puzzle file, or it is damaged.");
  EXPECT_FALSE(AddPuzzleFile(game, platform, "cube.kvp", kSmallFigureText));  // No
  EXPECT_TRUE(AddPuzzleFile(game, platform, "cube.kvp", kSmallFigureText));   // Yes
  EXPECT_TRUE(AddPuzzleFile(game, platform, "new.KVP", kSmallFigureText));
  EXPECT_EQ(Snapshot()["Puzzles/cube.kvp"], kSmallFigureText);
  EXPECT_EQ(Snapshot()["Puzzles/new.KVP"], kSmallFigureText);
}

}  // namespace
}  // namespace kelvane
