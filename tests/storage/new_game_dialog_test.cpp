// The New game list, its preselection, its preview and what OK starts.
#include "storage/new_game_dialog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "scoped_temp_dir.h"
#include "storage/puzzle_file.h"
#include "support/fake_platform.h"

namespace kelvane {
namespace {

using Names = std::vector<std::string>;

// A 2×2×2 block with one cube missing.
CellGrid SevenCubes() {
  CellGrid grid;
  for (int i = 1; i < 8; ++i) {
    grid.at(i & 1, (i >> 1) & 1, i >> 2) = 1;
  }
  return grid;
}

class NewGameDialog : public testing::InTemporaryDirectory {
 protected:
  void AddPuzzle(const std::string& name) {
    WriteFile("Puzzles/" + name, FormatPuzzleText(SevenCubes()));
  }
  void SetPuzzleSetting(const char* name) { std::strcpy(game->settings.PUZZLE.data(), name); }

  std::unique_ptr<Game> game = std::make_unique<Game>();
  testing::FakePlatform platform;
  CellGrid loaded;
};

TEST_F(NewGameDialog, ListsPuzzleFilesSortedWithoutRegardToCase) {
  for (const char* name : {"b.kvp", "Castle.kvp", "a.kvp", "TOWER.KVP", "cube.kvp.bak", "notes.txt",
                           "-dash.kvp", "kvp"}) {
    AddPuzzle(name);
  }
  std::filesystem::create_directories("Puzzles/x.kvp");
  EXPECT_EQ(ListPuzzleFiles(), (Names{"-dash.kvp", "a.kvp", "b.kvp", "Castle.kvp", "TOWER.KVP"}));
}

TEST_F(NewGameDialog, NoFolderGivesAnEmptyListAndNothingSelected) {
  const NewGameList list = OpenNewGameList(*game);
  EXPECT_TRUE(list.entries.empty());
  EXPECT_EQ(list.selection, -1);
  EXPECT_EQ(PreviewSelection(list, loaded), NewGamePreview::NotSelected);
}

TEST_F(NewGameDialog, PreselectsTheLastPuzzleWithoutRegardToCase) {
  AddPuzzle("Bridge.kvp");
  AddPuzzle("cube.kvp");
  SetPuzzleSetting("CUBE.KVP");
  EXPECT_EQ(OpenNewGameList(*game).selection, 1);
  SetPuzzleSetting("gone.kvp");
  EXPECT_EQ(OpenNewGameList(*game).selection, -1);
}

TEST_F(NewGameDialog, PreviewReadsTheSelectedFile) {
  AddPuzzle("cube.kvp");
  WriteFile("Puzzles/broken.kvp", "[SIZE]\r\nDX = abc\r\n");
  NewGameList list = OpenNewGameList(*game);
  ASSERT_EQ(list.entries, (Names{"broken.kvp", "cube.kvp"}));
  list.selection = 0;
  EXPECT_EQ(PreviewSelection(list, loaded), NewGamePreview::InvalidFormat);
  list.selection = 1;
  EXPECT_EQ(PreviewSelection(list, loaded), NewGamePreview::Figure);
  EXPECT_TRUE(GridEquals(loaded, SevenCubes()));
}

TEST_F(NewGameDialog, OkWithoutASelectionAsksForOne) {
  AddPuzzle("cube.kvp");
  const NewGameList list = OpenNewGameList(*game);
  EXPECT_FALSE(ConfirmNewGame(*game, platform, list, loaded));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Puzzle is not selected.");
  EXPECT_EQ(platform.messages[0].caption, "Kelvane");
  EXPECT_EQ(platform.messages[0].style, MessageStyle::Information);
  EXPECT_EQ(platform.fits, 0);
}

TEST_F(NewGameDialog, OkStartsTheSelectedPuzzleAndRemembersIt) {
  AddPuzzle("cube.kvp");
  game->createMode = 1;
  game->field.at(4, 4, 4) = 1;
  NewGameList list = OpenNewGameList(*game);
  list.selection = 0;
  ASSERT_TRUE(ConfirmNewGame(*game, platform, list, loaded));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(game->createMode, 0);
  EXPECT_TRUE(GridEquals(game->figure, SevenCubes()));
  EXPECT_FALSE(GridHasCells(game->field));
  EXPECT_STREQ(game->settings.PUZZLE.data(), "cube.kvp");
  EXPECT_EQ(OpenNewGameList(*game).selection, 0);
}

// An entry that reads "Invalid format." must never start whatever LoadedFigure last held.
TEST_F(NewGameDialog, OkOnAnUnreadableEntryShowsInvalidFormatAndStaysOpen) {
  AddPuzzle("cube.kvp");
  WriteFile("Puzzles/flat.kvp", "[SIZE]\r\nDX = 3\r\nDY = 1\r\nDZ = 1\r\n[Z0]\r\nY0 = 11\r\n");
  NewGameList list = OpenNewGameList(*game);
  list.selection = 0;
  ASSERT_EQ(PreviewSelection(list, loaded), NewGamePreview::Figure);
  list.selection = 1;
  const CellGrid figureBefore = game->figure;
  EXPECT_FALSE(ConfirmNewGame(*game, platform, list, loaded));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Invalid format.");
  EXPECT_EQ(platform.messages[0].style, MessageStyle::Information);
  EXPECT_TRUE(GridEquals(game->figure, figureBefore));
  EXPECT_STREQ(game->settings.PUZZLE.data(), "");
}

TEST_F(NewGameDialog, AFileRemovedWhileTheDialogIsOpenDoesNotStart) {
  AddPuzzle("cube.kvp");
  NewGameList list = OpenNewGameList(*game);
  list.selection = 0;
  ASSERT_EQ(PreviewSelection(list, loaded), NewGamePreview::Figure);
  std::filesystem::remove("Puzzles/cube.kvp");
  EXPECT_FALSE(ConfirmNewGame(*game, platform, list, loaded));
  EXPECT_EQ(platform.messages.at(0).text, "Invalid format.");
}

}  // namespace
}  // namespace kelvane
