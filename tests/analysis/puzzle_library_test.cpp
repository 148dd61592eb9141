// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped puzzle library: every figure reads back as written, has 27 cubes and is solvable.
#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/analyse.h"
#include "figures.h"
#include "model/view_turn.h"
#include "storage/puzzle_file.h"
#include "storage/text_case.h"
#include "storage/text_file.h"
#include "support/fake_platform.h"

namespace kelvane::testing {
namespace {

std::vector<std::filesystem::path> LibraryFiles() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry :
       std::filesystem::directory_iterator(KELVANE_SOURCE_DIR "/resources/Puzzles")) {
    if (entry.path().extension() == kPuzzleExtension) {
      files.push_back(entry.path());
    }
  }
  return files;
}

TEST(PuzzleLibrary, HoldsAtLeastAHundredFiguresWithNamesThatDifferInMoreThanCase) {
  const std::vector<std::filesystem::path> files = LibraryFiles();
  EXPECT_GE(files.size(), 100u);
  for (std::size_t i = 0; i < files.size(); ++i) {
    for (std::size_t j = i + 1; j < files.size(); ++j) {
      EXPECT_FALSE(EqualsIgnoringCase(files[i].stem().string(), files[j].stem().string()));
    }
  }
}

TEST(PuzzleLibrary, EveryFigureIsWrittenAsSavePuzzleWritesItAndIsSolvable) {
  auto game = NewInitialisedGame();
  for (const auto& path : LibraryFiles()) {
    SCOPED_TRACE(path.filename().string());
    const std::optional<std::string> text = ReadTextFile(path);
    ASSERT_TRUE(text);
    CellGrid figure;
    ASSERT_TRUE(ParsePuzzleText(*text, figure));
    EXPECT_EQ(FormatPuzzleText(figure), *text);
    EXPECT_EQ(CountCells(figure), 27);
    // Within the limits of readers that take only 2 … 10 on each axis, too.
    const Extents size = GridExtents(figure);
    for (int extent : {size.x, size.y, size.z}) {
      EXPECT_GE(extent, 2);
      EXPECT_LE(extent, 10);
    }
    game->figure = figure;
    game->field.Clear();
    EXPECT_TRUE(SolveField(*game));
  }
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
    figures.emplace_back(name, CellGrid{});
    const auto text =
        ReadTextFile(std::string(KELVANE_SOURCE_DIR "/resources/Puzzles/") + name + ".kvp");
    ASSERT_TRUE(text && ParsePuzzleText(*text, figures.back().second)) << name;
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
