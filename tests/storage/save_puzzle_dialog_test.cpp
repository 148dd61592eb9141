// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a created figure: the name rules, the overwrite question and the file written.
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

// The small example, built off the corner; saved, it moves there.
constexpr std::string_view kSmallFigureText =
    "[SIZE]\r\nDX = 3\r\nDY = 2\r\nDZ = 2\r\n\r\n"
    "[Z0]\r\nY0 = 111\r\nY1 = 100\r\n\r\n"
    "[Z1]\r\nY0 = 100\r\nY1 = 000\r\n";

class SavePuzzleDialog : public testing::InTemporaryDirectory {
 protected:
  void SetUp() override {
    InTemporaryDirectory::SetUp();
    Restart();
  }

  // A fresh game creating the small figure, and no puzzle folder.
  void Restart() {
    fs::remove_all("Puzzles");
    game = std::make_unique<Game>();
    platform = {};
    CreatePuzzle(*game, platform, CreateMode::ByCubes);
    for (const auto& [x, y, z] :
         {std::array{2, 3, 1}, {3, 3, 1}, {4, 3, 1}, {2, 4, 1}, {2, 3, 2}}) {
      game->field.at(x, y, z) = 1;
    }
  }

  std::unique_ptr<Game> game = std::make_unique<Game>();
  testing::FakePlatform platform;
};

TEST_F(SavePuzzleDialog, CharactersAFileNameCannotHoldBeepAndStayOut) {
  std::string name;
  for (const char c : std::string_view("my/ cube:(2)<>\"\\*?|")) {
    if (AcceptNameCharacter(platform, c)) {
      name += c;
    }
  }
  EXPECT_EQ(name, "my cube(2)");
  EXPECT_EQ(platform.beeps, 9);
}

TEST_F(SavePuzzleDialog, EachNameIsRefusedAskedAboutOrSavedAsTyped) {
  struct Case {
    std::string name;
    std::optional<MessageAnswer> overwrite;  // an "old" file is there, and the answer
    std::vector<std::string> messages;
    int beeps;
    bool saved;  // else the dialog stays
  };
  const Case cases[] = {
      {"", {}, {"Please enter a file name."}, 0, false},
      {"   ", {}, {"Please enter a file name."}, 0, false},
      {std::string(101, 'n'), {}, {}, 1, false},
      {"../escape", {}, {}, 1, false},
      {"cube", MessageAnswer::No, {"File exist. Overwrite?"}, 0, false},
      {"cube", MessageAnswer::Yes, {"File exist. Overwrite?"}, 0, true},
      {" my cube ", {}, {}, 0, true},
      {std::string(100, 'n'), {}, {}, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    if (c.overwrite) {
      WriteFile("Puzzles/cube.kvp", "old");
      platform.answers = {*c.overwrite};
    }
    EXPECT_EQ(ConfirmSavePuzzle(*game, platform, c.name), c.saved);
    std::vector<std::string> texts;
    for (const auto& message : platform.messages) {
      texts.push_back(message.text);
    }
    EXPECT_EQ(texts, c.messages);
    EXPECT_EQ(platform.beeps, c.beeps);
    EXPECT_EQ(game->createMode, c.saved ? 0 : 1);
    if (c.saved) {
      EXPECT_EQ(FileBytes("Puzzles/" + c.name + ".kvp"), kSmallFigureText);
    } else if (c.overwrite) {
      EXPECT_EQ(FileBytes("Puzzles/cube.kvp"), "old");
    }
  }
}

TEST_F(SavePuzzleDialog, ASavedFigureIsPlayedUnderItsName) {
  ASSERT_TRUE(ConfirmSavePuzzle(*game, platform, "small"));
  CellGrid expected;
  ASSERT_TRUE(ParsePuzzleText(kSmallFigureText, expected));
  EXPECT_TRUE(GridEquals(game->figure, expected));
  EXPECT_FALSE(GridHasCells(game->field));
  EXPECT_STREQ(game->PuzzleName.data(), "small");
}

TEST_F(SavePuzzleDialog, AFailedSaveReportsItKeepsTheOldFileAndClosesTheDialog) {
  WriteFile("Puzzles/kept.kvp", "old");
  fs::permissions("Puzzles/kept.kvp", fs::perms::owner_write, fs::perm_options::remove);
  platform.answers = {MessageAnswer::Yes};
  EXPECT_TRUE(ConfirmSavePuzzle(*game, platform, "kept"));
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text, "Error create file for save.");
  EXPECT_EQ(platform.messages[1].style, MessageStyle::Stop);
  EXPECT_EQ(FileBytes("Puzzles/kept.kvp"), "old");
  EXPECT_EQ(game->createMode, 1);
  EXPECT_EQ(game->field.at(0, 0, 0), 1);  // the Field stays moved to the corner
  EXPECT_EQ(std::distance(fs::directory_iterator("Puzzles"), fs::directory_iterator()), 1)
      << "no temporary file is left behind";
}

// A flat figure saved from the create-by-cubes mode must open again in New game.
TEST_F(SavePuzzleDialog, AFlatFigureOpensAgain) {
  game->field = {};
  for (int i = 0; i < 27; ++i) {
    game->field.at(i % 9, i / 9, 5) = 1;
  }
  ASSERT_TRUE(ConfirmSavePuzzle(*game, platform, "flat"));
  CellGrid loaded;
  ASSERT_TRUE(ReadPuzzleFile("flat.kvp", loaded));
  EXPECT_EQ(GridExtents(loaded), (Extents{9, 3, 1}));
}

}  // namespace
}  // namespace kelvane
