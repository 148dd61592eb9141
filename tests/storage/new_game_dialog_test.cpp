// SPDX-License-Identifier: GPL-3.0-or-later
// The New game list, its preselection, its preview and what OK starts.
#include "storage/new_game_dialog.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/char_buffer.h"
#include "model/solved_puzzles.h"
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
  // The one message shown since the last call.
  std::string Message() {
    std::string text = platform.messages.size() == 1 ? platform.messages[0].text : "";
    platform.messages.clear();
    return text;
  }

  std::unique_ptr<Game> game = std::make_unique<Game>();
  testing::FakePlatform platform;
  CellGrid loaded;
};

TEST_F(NewGameDialog, ListsPuzzleFilesSortedWithoutRegardToCase) {
  EXPECT_TRUE(ListPuzzleFiles().empty()) << "no folder, no entries";
  for (const char* name : {"b.kvp", "Castle.kvp", "a.kvp", "TOWER.KVP", "cube.kvp.bak", "notes.txt",
                           "-dash.kvp", "kvp"}) {
    AddPuzzle(name);
  }
  std::filesystem::create_directories("Puzzles/x.kvp");
  EXPECT_EQ(ListPuzzleFiles(), (Names{"-dash.kvp", "a.kvp", "b.kvp", "Castle.kvp", "TOWER.KVP"}));
}

TEST_F(NewGameDialog, PreselectsTheLastPuzzleWithoutRegardToCase) {
  AddPuzzle("Bridge.kvp");
  AddPuzzle("cube.kvp");
  for (const auto& [last, row] : {std::pair{"CUBE.KVP", 1}, {"gone.kvp", -1}, {"", -1}}) {
    SetBufferText(game->settings.PUZZLE, last);
    EXPECT_EQ(OpenNewGameList(*game).selection, row) << last;
  }
}

TEST_F(NewGameDialog, MarksTheSolvedFiguresAndCountsThem) {
  AddPuzzle("renamed.kvp");  // the record knows the figure, not the name
  CellGrid other = SevenCubes();
  other.at(2, 0, 0) = 1;
  WriteFile("Puzzles/other.kvp", FormatPuzzleText(other));
  game->solved.figures.insert(FigureKey(SevenCubes()));
  const NewGameList list = OpenNewGameList(*game);
  EXPECT_EQ(list.solved, (std::vector<bool>{false, true}));
  EXPECT_EQ(SolvedSummary(list), "1 of 2 solved");
}

TEST_F(NewGameDialog, OkStartsOnlyAReadableSelectionAndRemembersIt) {
  AddPuzzle("cube.kvp");
  WriteFile("Puzzles/flat.kvp", "[SIZE]\r\nDX = 3\r\nDY = 1\r\nDZ = 1\r\n[Z0]\r\nY0 = 11\r\n");
  game->createMode = 1;
  game->field.at(4, 4, 4) = 1;
  const CellGrid figureBefore = game->figure;
  NewGameList list = OpenNewGameList(*game);
  EXPECT_EQ(PreviewSelection(list, loaded), NewGamePreview::NotSelected);
  EXPECT_FALSE(ConfirmNewGame(*game, platform, list, loaded));
  EXPECT_EQ(Message(), "Puzzle is not selected.");

  // An entry that reads "Invalid format." must never start what the preview last held.
  list.selection = 0;
  ASSERT_EQ(PreviewSelection(list, loaded), NewGamePreview::Figure);
  EXPECT_TRUE(GridEquals(loaded, SevenCubes()));
  list.selection = 1;
  EXPECT_EQ(PreviewSelection(list, loaded), NewGamePreview::InvalidFormat);
  EXPECT_FALSE(ConfirmNewGame(*game, platform, list, loaded));
  EXPECT_EQ(Message(), "Invalid format.");
  EXPECT_TRUE(GridEquals(game->figure, figureBefore));
  EXPECT_EQ(game->createMode, 1);

  list.selection = 0;
  ASSERT_TRUE(ConfirmNewGame(*game, platform, list, loaded));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(game->createMode, 0);
  EXPECT_TRUE(GridEquals(game->figure, SevenCubes()));
  EXPECT_FALSE(GridHasCells(game->field));
  EXPECT_EQ(BufferText(game->settings.PUZZLE), "cube.kvp");
}

TEST_F(NewGameDialog, AFileRemovedWhileTheDialogIsOpenDoesNotStart) {
  AddPuzzle("cube.kvp");
  NewGameList list = OpenNewGameList(*game);
  list.selection = 0;
  ASSERT_EQ(PreviewSelection(list, loaded), NewGamePreview::Figure);
  std::filesystem::remove("Puzzles/cube.kvp");
  EXPECT_FALSE(ConfirmNewGame(*game, platform, list, loaded));
  EXPECT_EQ(Message(), "Invalid format.");
}

}  // namespace
}  // namespace kelvane
