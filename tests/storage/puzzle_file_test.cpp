// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzle file texts byte for byte, and what the reader accepts and rejects. (The files in the
// Puzzles folder are read, found and written through New game and Save puzzle, in their tests.)
#include "storage/puzzle_file.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

using Cubes = std::vector<std::array<int, 3>>;

CellGrid Grid(const Cubes& cubes, std::int8_t value = 1) {
  CellGrid grid;
  for (const auto& [x, y, z] : cubes) {
    grid.at(x, y, z) = value;
  }
  return grid;
}

const Cubes kSmallFigure = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 1, 0}, {0, 0, 1}};
constexpr std::string_view kSmallFigureText =
    "[SIZE]\r\nDX = 3\r\nDY = 2\r\nDZ = 2\r\n\r\n"
    "[Z0]\r\nY0 = 111\r\nY1 = 100\r\n\r\n"
    "[Z1]\r\nY0 = 100\r\nY1 = 000\r\n";

std::string Puzzle(std::string_view size, std::string_view layers) {
  return "[SIZE]\r\n" + std::string(size) + "\r\n" + std::string(layers);
}

// Any non-zero cell is written as a cube, empty rows too, and every extent the writer produces
// (a single cube, the whole grid) opens again as the same cubes.
TEST(PuzzleText, WritesEveryRowOfEachLayerAndReadsItBack) {
  const std::pair<CellGrid, std::string_view> cases[] = {
      {Grid(kSmallFigure), kSmallFigureText},
      {Grid(kSmallFigure, 5), kSmallFigureText},
      {Grid({{0, 0, 0}, {1, 2, 1}}),
       "[SIZE]\r\nDX = 2\r\nDY = 3\r\nDZ = 2\r\n\r\n"
       "[Z0]\r\nY0 = 10\r\nY1 = 00\r\nY2 = 00\r\n\r\n"
       "[Z1]\r\nY0 = 00\r\nY1 = 00\r\nY2 = 01\r\n"},
      {Grid({{0, 0, 0}}), "[SIZE]\r\nDX = 1\r\nDY = 1\r\nDZ = 1\r\n\r\n[Z0]\r\nY0 = 1\r\n"},
      {Grid({{0, 0, 0}, {11, 11, 11}}), ""},
  };
  for (const auto& [grid, text] : cases) {
    const std::string written = FormatPuzzleText(grid);
    EXPECT_TRUE(text.empty() || written == text) << written;
    CellGrid read;
    ASSERT_TRUE(ParsePuzzleText(written, read)) << written;
    CellGrid plain = grid;
    RecolourGrid(plain, 1);
    EXPECT_TRUE(GridEquals(read, plain)) << written;
  }
}

// Keys are case-blind and other sections are ignored; sizes read their leading number and must
// lie inside the grid; rows must be exactly DX long, and any character but '0' is a cube; a
// byte-order mark is skipped. A rejected text leaves the loaded figure as it was, never half of a
// new one.
TEST(PuzzleText, ReadsOnlyWholeFiguresInsideTheGrid) {
  const std::string size = "DX = 3\r\nDY = 1\r\nDZ = 1";
  const std::string row = "[Z0]\r\nY0 = 1";
  const std::pair<std::string, std::optional<Cubes>> cases[] = {
      {std::string(kSmallFigureText), kSmallFigure},
      {"\xEF\xBB\xBF" + std::string(kSmallFigureText), kSmallFigure},
      {"[size]\ndx=4\ndy=1\ndz=1\n[NOTES]\nby = me\n[z0]\ny0=1x01\n",
       Cubes{{0, 0, 0}, {1, 0, 0}, {3, 0, 0}}},
      {Puzzle("DX = 3abc\r\nDY = 1\r\nDZ = 1", "[Z0]\r\nY0 = 101"), Cubes{{0, 0, 0}, {2, 0, 0}}},
      {Puzzle(size, "[Z0]\r\nY0 = 1111"), {}},
      {Puzzle(size, "[Z0]\r\nY0 = 11"), {}},
      {Puzzle(size, "[Z0]\r\n"), {}},
      {Puzzle("DX = 1\r\nDY = 1\r\nDZ = 0", row), {}},
      {Puzzle("DX = 1\r\nDY = 13\r\nDZ = 1", row), {}},
      {Puzzle("DX = -1\r\nDY = 1\r\nDZ = 1", row), {}},
      {Puzzle("DX = 1\r\nDY = 2\r\nDZ = 1", "[Z0]\r\nY0 = 0\r\n"), {}},
      {"", {}},
  };
  for (const auto& [text, cubes] : cases) {
    const CellGrid before = Grid({{5, 5, 5}, {0, 0, 0}});
    CellGrid read = before;
    EXPECT_EQ(ParsePuzzleText(text, read), cubes.has_value()) << text;
    EXPECT_TRUE(GridEquals(read, cubes ? Grid(*cubes) : before)) << text;
  }
}

}  // namespace
}  // namespace kelvane
