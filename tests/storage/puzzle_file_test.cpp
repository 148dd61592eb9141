// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzle file texts byte for byte, and what the reader accepts and rejects.
#include "storage/puzzle_file.h"

#include <gtest/gtest.h>

#include "scoped_temp_dir.h"

namespace kelvane {
namespace {

using testing::InTemporaryDirectory;

// Cubes at (0,0,0), (1,0,0), (2,0,0), (0,1,0) and (0,0,1).
CellGrid SmallFigure() {
  CellGrid grid;
  for (const auto& [x, y, z] : {std::array{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 1, 0}, {0, 0, 1}}) {
    grid.at(x, y, z) = 1;
  }
  return grid;
}

constexpr std::string_view kSmallFigureText =
    "[SIZE]\r\nDX = 3\r\nDY = 2\r\nDZ = 2\r\n\r\n"
    "[Z0]\r\nY0 = 111\r\nY1 = 100\r\n\r\n"
    "[Z1]\r\nY0 = 100\r\nY1 = 000\r\n";

std::string Puzzle(std::string_view size, std::string_view layers) {
  return "[SIZE]\r\n" + std::string(size) + "\r\n" + std::string(layers);
}

TEST(PuzzleText, WritesTheTwelveLinesOfTheExample) {
  EXPECT_EQ(FormatPuzzleText(SmallFigure()), kSmallFigureText);
}

TEST(PuzzleText, WritesAnyNonZeroCellAsACube) {
  CellGrid pieces = SmallFigure();
  pieces.at(0, 0, 0) = 5;
  pieces.at(0, 0, 1) = 8;
  EXPECT_EQ(FormatPuzzleText(pieces), kSmallFigureText);
}

TEST(PuzzleText, EmptyRowsOfALayerAreStillWritten) {
  CellGrid grid;
  grid.at(0, 0, 0) = 1;
  grid.at(1, 2, 1) = 1;
  EXPECT_EQ(FormatPuzzleText(grid),
            "[SIZE]\r\nDX = 2\r\nDY = 3\r\nDZ = 2\r\n\r\n"
            "[Z0]\r\nY0 = 10\r\nY1 = 00\r\nY2 = 00\r\n\r\n"
            "[Z1]\r\nY0 = 00\r\nY1 = 00\r\nY2 = 01\r\n");
}

TEST(PuzzleText, ReadsBackWhatItWrites) {
  CellGrid read;
  ASSERT_TRUE(ParsePuzzleText(kSmallFigureText, read));
  EXPECT_TRUE(GridEquals(read, SmallFigure()));
}

TEST(PuzzleText, ReadsLowerCaseKeysExtraSectionsAndOtherCubeCharacters) {
  CellGrid read;
  ASSERT_TRUE(ParsePuzzleText("[size]\ndx=4\ndy=1\ndz=1\n[NOTES]\nby = me\n[z0]\ny0=1x01\n", read));
  CellGrid expected;
  expected.at(0, 0, 0) = 1;
  expected.at(1, 0, 0) = 1;
  expected.at(3, 0, 0) = 1;
  EXPECT_TRUE(GridEquals(read, expected));
}

// Sizes read their leading number and must lie inside the grid; rows must be exactly DX long.
TEST(PuzzleText, AcceptsOnlyRowsOfTheirSizeInsideTheGrid) {
  const std::string size = "DX = 3\r\nDY = 1\r\nDZ = 1";
  const std::string row = "[Z0]\r\nY0 = 1";
  const std::pair<std::string, bool> cases[] = {
      {Puzzle(size, "[Z0]\r\nY0 = 111"), true},
      {Puzzle("DX = 3abc\r\nDY = 1\r\nDZ = 1", "[Z0]\r\nY0 = 111"), true},
      {Puzzle("DX = abc\r\nDY = 1\r\nDZ = 1", "[Z0]\r\nY0 = 111"), false},
      {Puzzle(size, "[Z0]\r\nY0 = 1111"), false},
      {Puzzle(size, "[Z0]\r\nY0 = 11"), false},
      {Puzzle(size, "[Z0]\r\n"), false},
      {Puzzle("DX = 1\r\nDY = 1\r\nDZ = 0", row), false},
      {Puzzle("DX = 1\r\nDY = 13\r\nDZ = 1", row), false},
      {Puzzle("DX = -1\r\nDY = 1\r\nDZ = 1", row), false},
      {"", false},
  };
  for (const auto& [text, valid] : cases) {
    CellGrid read;
    EXPECT_EQ(ParsePuzzleText(text, read), valid) << text;
  }
}

// Files that Save puzzle writes for flat or imported figures must open again.
TEST(PuzzleText, AcceptsEveryExtentTheWriterProduces) {
  CellGrid flat;
  flat.at(0, 0, 0) = 1;
  CellGrid read;
  ASSERT_TRUE(ParsePuzzleText(FormatPuzzleText(flat), read));
  EXPECT_TRUE(GridEquals(read, flat));

  CellGrid wide;
  wide.at(11, 11, 11) = 1;
  wide.at(0, 0, 0) = 1;
  ASSERT_TRUE(ParsePuzzleText(FormatPuzzleText(wide), read));
  EXPECT_TRUE(GridEquals(read, wide));
}

// A rejected file must not leave half a figure behind for the preview or OK to start.
TEST(PuzzleText, RejectionLeavesTheLoadedFigureAsItWas) {
  CellGrid loaded = SmallFigure();
  EXPECT_FALSE(ParsePuzzleText(Puzzle("DX = 1\r\nDY = 2\r\nDZ = 1", "[Z0]\r\nY0 = 0\r\n"), loaded));
  EXPECT_TRUE(GridEquals(loaded, SmallFigure()));
}

class PuzzleFiles : public InTemporaryDirectory {};

TEST_F(PuzzleFiles, ReadsFromThePuzzlesFolderByFullName) {
  WriteFile("Puzzles/small.kvp", kSmallFigureText);
  CellGrid read;
  ASSERT_TRUE(ReadPuzzleFile("small.kvp", read));
  EXPECT_TRUE(GridEquals(read, SmallFigure()));
  EXPECT_FALSE(ReadPuzzleFile("small", read));
  EXPECT_FALSE(ReadPuzzleFile("missing.kvp", read));
}

TEST_F(PuzzleFiles, AFolderIsNotAPuzzle) {
  std::filesystem::create_directories("Puzzles/x.kvp");
  CellGrid read;
  EXPECT_FALSE(ReadPuzzleFile("x.kvp", read));
  EXPECT_TRUE(PuzzleFileExists(PuzzleFilePath("x.kvp")));
}

TEST_F(PuzzleFiles, ExistenceFollowsTheFileSystem) {
  EXPECT_FALSE(PuzzleFileExists(PuzzleFilePath("cube.kvp")));
  WriteFile("Puzzles/cube.kvp", kSmallFigureText);
  EXPECT_TRUE(PuzzleFileExists(PuzzleFilePath("cube.kvp")));
  EXPECT_EQ(SavedPuzzlePath("my cube "), "Puzzles/my cube .kvp");
}

}  // namespace
}  // namespace kelvane
