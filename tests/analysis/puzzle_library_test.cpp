// The shipped puzzle library: every figure reads back as written, has 27 cubes and is solvable.
#include <gtest/gtest.h>

#include <filesystem>

#include "figures.h"
#include "storage/puzzle_file.h"
#include "storage/text_case.h"
#include "storage/text_file.h"

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

}  // namespace
}  // namespace kelvane::testing
