// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped puzzle library: every figure reads back as written, has 27 cubes and is solvable.
#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/analyse.h"
#include "figures.h"
#include "model/view_turn.h"
#include "storage/text_case.h"
#include "support/fake_platform.h"

namespace kelvane::testing {
namespace {

// At least a hundred figures with names that differ in more than case, each written as Save
// puzzle writes it, of 27 cubes, within the 2 … 10 cells per axis that other readers take too,
// and solvable.
TEST(PuzzleLibrary, EveryFigureIsWrittenAsSavePuzzleWritesItAndIsSolvable) {
  std::vector<std::string> names;
  auto game = GameOn(CellGrid{});
  for (const auto& entry :
       std::filesystem::directory_iterator(KELVANE_SOURCE_DIR "/resources/Puzzles")) {
    if (entry.path().extension() != kPuzzleExtension) {
      continue;
    }
    const std::string name = entry.path().stem().string();
    SCOPED_TRACE(name);
    for (const std::string& other : names) {
      EXPECT_FALSE(EqualsIgnoringCase(name, other));
    }
    names.push_back(name);
    const std::optional<std::string> text = ReadTextFile(entry.path());
    game->figure = LibraryFigure(name);
    EXPECT_EQ(FormatPuzzleText(game->figure), text);
    EXPECT_EQ(CountCells(game->figure), 27);
    const Extents size = GridExtents(game->figure);
    for (int extent : {size.x, size.y, size.z}) {
      EXPECT_GE(extent, 2);
      EXPECT_LE(extent, 10);
    }
    EXPECT_TRUE(SolveField(*game));
  }
  EXPECT_GE(names.size(), 100u);
  // The first start's figure has its file, so solving it ticks that entry and it goes by its name.
  const auto firstStart = NewInitialisedGame();
  EXPECT_TRUE(GridEquals(firstStart->figure, LibraryFigure(firstStart->play.puzzleName)));
}

// Test, then Hint, on the position in `game`: both must follow the plain order's completion.
void ExpectTestAndHintFollowThePlainOrder(Game& game) {
  CellGrid expected;
  ASSERT_TRUE(PlainCompletion(game, expected));
  FakePlatform platform;
  game.WorkGrid.Clear();
  AnalysePuzzle(game, platform, AnalyseMode::Test);
  EXPECT_TRUE(GridEquals(game.WorkGrid, expected));
  const int before = CountCells(game.field);
  AnalysePuzzle(game, platform, AnalyseMode::Hint);
  EXPECT_GT(CountCells(game.field), before);
  for (int i = 0; i < kGridCells; ++i) {
    ASSERT_TRUE(game.field.cells[i] == 0 || game.field.cells[i] == expected.cells[i]);
  }
}

// Guards against a change to the order in which the solver tries placements, which positions
// with a nearly unique completion cannot show: the cube and library figures (those whose plain
// search is quick), empty and with pieces 6 and 7 laid where the turned figure's completion
// puts them.
TEST(PuzzleLibrary, TestAndHintFindThePlainOrdersCompletionAmongMany) {
  std::vector<std::pair<std::string, CellGrid>> figures{{"cube", Block(3, 3, 3)}};
  for (const char* name : {"Bed", "Boot", "Camel", "Cube", "House", "Piano", "Sofa", "Stairs"}) {
    figures.emplace_back(name, LibraryFigure(name));
  }
  FakePlatform platform;
  for (const auto& [name, figure] : figures) {
    SCOPED_TRACE(name);
    auto game = GameOn(figure);
    ExpectTestAndHintFollowThePlainOrder(*game);

    game = GameOn(figure);
    RotateView(*game, platform, 1);
    CellGrid turned;
    ASSERT_TRUE(PlainCompletion(*game, turned));
    game->field = turned;
    for (int k = 0; k < kPieceCount - 2; ++k) {
      ClearCellValue(game->field, PieceCellValue(k));
    }
    RotateView(*game, platform, -1);
    ExpectTestAndHintFollowThePlainOrder(*game);
  }
}

}  // namespace
}  // namespace kelvane::testing
