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

class SavePuzzleDialog : public testing::InTemporaryDirectory {
 protected:
  void SetUp() override {
    InTemporaryDirectory::SetUp();
    CreatePuzzle(*game, platform, CreateMode::ByCubes);
  }

  // Cubes at (2,3,1), (3,3,1), (4,3,1), (2,4,1) and (2,3,2): the small example, off the corner.
  void BuildSmallFigure() {
    for (const auto& [x, y, z] :
         {std::array{2, 3, 1}, {3, 3, 1}, {4, 3, 1}, {2, 4, 1}, {2, 3, 2}}) {
      game->field.at(x, y, z) = 1;
    }
  }

  std::string TypeName(std::string_view keys) {
    std::string name;
    for (const char c : keys) {
      if (AcceptNameCharacter(platform, c)) {
        name += c;
      }
    }
    return name;
  }

  std::unique_ptr<Game> game = std::make_unique<Game>();
  testing::FakePlatform platform;
};

constexpr std::string_view kSmallFigureText =
    "[SIZE]\r\nDX = 3\r\nDY = 2\r\nDZ = 2\r\n\r\n"
    "[Z0]\r\nY0 = 111\r\nY1 = 100\r\n\r\n"
    "[Z1]\r\nY0 = 100\r\nY1 = 000\r\n";

TEST_F(SavePuzzleDialog, ForbiddenCharactersBeepAndStayOut) {
  EXPECT_EQ(TypeName("a/b:c"), "abc");
  EXPECT_EQ(platform.beeps, 2);
  EXPECT_EQ(TypeName("<>\"\\/*?:|"), "");
  EXPECT_EQ(platform.beeps, 11);
  EXPECT_EQ(TypeName("my cube (2)"), "my cube (2)");
}

TEST_F(SavePuzzleDialog, EmptyOrAllSpaceNamesAskForAName) {
  for (const std::string_view name : {"", "   "}) {
    platform.messages.clear();
    EXPECT_FALSE(ConfirmSavePuzzle(*game, platform, name));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Please enter a file name.");
    EXPECT_EQ(platform.messages[0].style, MessageStyle::Plain);
  }
  EXPECT_FALSE(std::filesystem::exists("Puzzles"));
}

TEST_F(SavePuzzleDialog, SavesTheFigureFromTheCornerAndPlaysIt) {
  BuildSmallFigure();
  ASSERT_TRUE(ConfirmSavePuzzle(*game, platform, "small"));
  EXPECT_EQ(FileBytes("Puzzles/small.kvp"), kSmallFigureText);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(game->createMode, 0);
  EXPECT_FALSE(GridHasCells(game->field));
  CellGrid expected;
  ASSERT_TRUE(ParsePuzzleText(kSmallFigureText, expected));
  EXPECT_TRUE(GridEquals(game->figure, expected));
  EXPECT_STREQ(game->PuzzleName.data(), "small");
}

TEST_F(SavePuzzleDialog, ANameIsUsedAsTyped) {
  BuildSmallFigure();
  ASSERT_TRUE(ConfirmSavePuzzle(*game, platform, " my cube "));
  EXPECT_TRUE(std::filesystem::exists("Puzzles/ my cube .kvp"));
}

TEST_F(SavePuzzleDialog, OverwriteAnsweredNoKeepsTheFileAndTheDialog) {
  WriteFile("Puzzles/cube.kvp", "old");
  BuildSmallFigure();
  platform.answers = {MessageAnswer::No};
  EXPECT_FALSE(ConfirmSavePuzzle(*game, platform, "cube"));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "File exist. Overwrite?");
  EXPECT_EQ(platform.messages[0].style, MessageStyle::Question);
  EXPECT_EQ(FileBytes("Puzzles/cube.kvp"), "old");
  EXPECT_EQ(game->createMode, 1);
}

TEST_F(SavePuzzleDialog, OverwriteAnsweredYesReplacesTheFileAndPlaysIt) {
  WriteFile("Puzzles/cube.kvp", std::string(400, '1'));
  BuildSmallFigure();
  platform.answers = {MessageAnswer::Yes};
  EXPECT_TRUE(ConfirmSavePuzzle(*game, platform, "cube"));
  EXPECT_EQ(FileBytes("Puzzles/cube.kvp"), kSmallFigureText);
  EXPECT_EQ(game->createMode, 0);
}

TEST_F(SavePuzzleDialog, AFailedSaveReportsItKeepsTheOldFileAndClosesTheDialog) {
  WriteFile("Puzzles/kept.kvp", "old");
  std::filesystem::permissions("Puzzles/kept.kvp", std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  BuildSmallFigure();
  platform.answers = {MessageAnswer::Yes};
  EXPECT_TRUE(ConfirmSavePuzzle(*game, platform, "kept"));
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text, "Error create file for save.");
  EXPECT_EQ(platform.messages[1].style, MessageStyle::Stop);
  EXPECT_EQ(FileBytes("Puzzles/kept.kvp"), "old");
  EXPECT_EQ(game->createMode, 1);
  EXPECT_EQ(game->field.at(0, 0, 0), 1);  // the Field stays moved to the corner
}

// A flat figure saved from the create-by-cubes mode must open again in New game.
TEST_F(SavePuzzleDialog, AFlatFigureOpensAgain) {
  for (int x = 0; x < 9; ++x) {
    for (int y = 0; y < 3; ++y) {
      game->field.at(x, y, 5) = 1;
    }
  }
  ASSERT_TRUE(ValidateCreatedFigure(*game, platform));
  ASSERT_TRUE(ConfirmSavePuzzle(*game, platform, "flat"));
  CellGrid loaded;
  ASSERT_TRUE(ReadPuzzleFile("flat.kvp", loaded));
  EXPECT_EQ(CountCells(loaded), 27);
  EXPECT_EQ(GridExtents(loaded), (Extents{9, 3, 1}));
}

TEST_F(SavePuzzleDialog, NamesTheFieldCouldNotHoldAreRefused) {
  BuildSmallFigure();
  EXPECT_FALSE(ConfirmSavePuzzle(*game, platform, std::string(101, 'n')));
  EXPECT_FALSE(ConfirmSavePuzzle(*game, platform, "../escape"));
  EXPECT_EQ(platform.beeps, 2);
  EXPECT_TRUE(ConfirmSavePuzzle(*game, platform, std::string(100, 'n')));
}

}  // namespace
}  // namespace kelvane
