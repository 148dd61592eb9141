// SPDX-License-Identifier: GPL-3.0-or-later
// The New game list, its preselection, its preview and what OK starts.
#include "storage/new_game_dialog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <memory>

#include "model/char_buffer.h"
#include "model/solved_puzzles.h"
#include "scoped_temp_dir.h"
#include "storage/puzzle_file.h"
#include "support/fake_platform.h"
#include "support/test_game.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class NewGameDialog : public testing::InTemporaryDirectory {
 protected:
  void AddPuzzle(const std::string& name) {
    WriteFile("Puzzles/" + name, FormatPuzzleText(figure));
  }

  const CellGrid figure = testing::NewInitialisedGame()->figure;
  std::unique_ptr<Game> game = std::make_unique<Game>();
  testing::FakePlatform platform;
};

// Only regular files ending in .kvp are listed: a pipe or a link to a device would block or
// never end the preview's read. Solved figures are marked by their cubes, whatever their name.
TEST_F(NewGameDialog, ListsSortedAndPreselectsWithoutRegardToCaseAndMarksTheSolved) {
  EXPECT_TRUE(OpenNewGameList(*game).entries.empty()) << "no folder, no entries";
  for (const char* name : {"b.kvp", "Castle.kvp", "a.kvp", "cube.kvp.bak", "notes.txt", "kvp"}) {
    AddPuzzle(name);
  }
  for (const char* name : {"TOWER.KVP", "-dash.kvp"}) {  // one cube
    WriteFile("Puzzles/" + std::string(name),
              "[SIZE]\r\nDX = 1\r\nDY = 1\r\nDZ = 1\r\n[Z0]\r\nY0 = 1\r\n");
  }
  fs::create_directories("Puzzles/x.kvp");
  if (testing::kPipesAndSizeLimits) {
    ASSERT_EQ(mkfifo("Puzzles/pipe.kvp", 0600), 0);
  }
  fs::create_symlink("missing-target.kvp", "Puzzles/dangling.kvp");
  fs::create_symlink("/dev/zero", "Puzzles/endless.kvp");
  game->solved.figures.insert(FigureKey(figure));
  const NewGameList list = OpenNewGameList(*game);
  EXPECT_EQ(list.entries, (Names{"-dash.kvp", "a.kvp", "b.kvp", "Castle.kvp", "TOWER.KVP"}));
  EXPECT_EQ(list.solved, (std::vector<bool>{false, true, true, true, false}));
  EXPECT_EQ(SolvedSummary(list), "3 of 5 solved");
  EXPECT_EQ(list.selection, -1);
  for (const auto& [last, row] : {std::pair{"castle.KVP", 3}, {"gone.kvp", -1}}) {
    SetBufferText(game->settings.PUZZLE, last);
    EXPECT_EQ(OpenNewGameList(*game).selection, row) << last;
  }
}

// OK after the good figure was previewed: only a selection that still reads starts, so an entry
// that reads "Invalid format." never starts what the preview last held.
TEST_F(NewGameDialog, OkStartsOnlyAReadableSelectionAndRemembersIt) {
  const struct {
    int selection;
    bool removedAfterPreview;
    std::string message;  // none when the figure starts
  } cases[] = {
      {-1, false, "Puzzle is not selected."},
      {1, false, "Invalid format."},
      {0, false, ""},
      {0, true, "Invalid format."},  // last: the file is gone
  };
  AddPuzzle("cube.kvp");
  WriteFile("Puzzles/flat.kvp", "[SIZE]\r\nDX = 3\r\nDY = 1\r\nDZ = 1\r\n[Z0]\r\nY0 = 11\r\n");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.selection);
    game = std::make_unique<Game>();
    platform = {};
    game->createMode = 1;
    game->field.at(4, 4, 4) = 1;
    NewGameList list = OpenNewGameList(*game);
    list.selection = 0;
    CellGrid loaded;
    ASSERT_EQ(PreviewSelection(list, loaded), NewGamePreview::Figure);
    list.selection = c.selection;
    if (c.removedAfterPreview) {
      fs::remove("Puzzles/cube.kvp");
    }

    const bool started = ConfirmNewGame(*game, platform, list, loaded);
    EXPECT_EQ(started, c.message.empty());
    EXPECT_EQ(platform.messages.empty() ? "" : platform.messages[0].text, c.message);
    EXPECT_EQ(game->createMode, started ? 0 : 1);
    EXPECT_TRUE(GridEquals(game->figure, started ? figure : CellGrid{}));
    EXPECT_EQ(GridHasCells(game->field), !started);
    EXPECT_EQ(BufferText(game->settings.PUZZLE), started ? "cube.kvp" : "");
  }
}

}  // namespace
}  // namespace kelvane
