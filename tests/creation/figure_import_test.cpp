// SPDX-License-Identifier: GPL-3.0-or-later
// Figure text: markers, separators, holes, limits and the clipboard's messages.
#include "creation/figure_import.h"

#include <gtest/gtest.h>

#include <utility>

#include "creation/single_byte_text.h"
#include "support/fake_platform.h"

namespace kelvane {
namespace {

// Three data lines of three full rows: the 3×3×3 block.
constexpr std::string_view kBlock = "111/111/111\r\n111/111/111\r\n111/111/111\r\n";

// 27 cubes in a 3×3×3 box fill it.
bool IsBlock(const CellGrid& grid) {
  return CountCells(grid) == 27 && GridExtents(grid) == Extents{3, 3, 3};
}

// Texts that read as the 3×3×3 block, and texts that read as no figure at all.
TEST(FigureText, ReadsTheBlockOrNothing) {
  const std::string block(kBlock);
  const auto padded = [&](std::size_t length) {
    return block + std::string(length - block.size() - 2, ' ') + "\r\n";
  };
  const std::string filler = "111111111111\r\n111111111111\r\n";  // 24 cubes
  std::string thirteenLines = filler;
  for (int line = 2; line < 12; ++line) {
    thirteenLines += "-\r\n";
  }
  const std::pair<std::string, bool> cases[] = {
      {block, true},
      {"111 111 111\r\n111 111 111\r\n111 111 111", true},
      {"KELV 1\r\n" + block + "/KELV\r\n", true},
      {"x; note 1111\r\n\r\n" + block, true},
      {"kelv\r\n" + block, false},  // only exact, upper-case markers are skipped
      {";11/111/111\r\n111/111/111\r\n111/111/111", true},        // a leading semicolon is a cube
      {"KELV\r\n" + block + "/KELV\r\nKELV\r\n" + block, false},  // read on past the marker
      {"   111/111/111  \r\n111/111/111\r\n  111 111 111\r\n", true},
      {"111/111/111\n111/111/111\r\n111/111/111\n", true},
      {".\r\n.\r\n..111 ..111 ..111\r\n..111 ..111 ..111\r\n..111 ..111 ..111\r\n", true},
      {block + '\0' + "111", true},  // ends at a NUL
      {padded(257) + "1", false},    // a 28th cube at character 258 is read
      {padded(258) + "1", true},     // ...at character 259 it is not
      {std::string(260, ' ') + block, false},
      {"", false},
      {"KELV\r\n/KELV\r\n", false},
      {"111/111/111\r\n111/111/111\r\n111/111/11\r\n", false},
      {block + "1\r\n", false},
      // Past the grid, where a wrapped index would reach free cells: only the bound refuses them.
      {filler + "............111\r\n", false},  // cubes from y = 12
      {filler + "/ / / / / /111\r\n", false},   // an 11th separator: z = -1
      {thirteenLines + "/111\r\n", false},      // x = 12
  };
  for (const auto& [text, isBlock] : cases) {
    const auto grid = ParseFigureText(text);
    EXPECT_EQ(grid.has_value(), isBlock) << text;
    EXPECT_TRUE(!grid || IsBlock(*grid)) << text;
  }
}

// Holes and lines without cubes still take their place; any other character is a cube; cubes may
// reach 12 lines, 12 cells and 11 layers; past those limits holes are no error.
TEST(FigureText, ReadsHolesSeparatorsAndLimits) {
  std::string limits = "111111111111/1/1/1/1/1/1/1/1/1/1\r\n";
  std::string holes = "111111111111\r\n111111111111\r\n111............\r\n";
  for (int line = 1; line < 11; ++line) {
    limits += ".\r\n";
    holes += "..............\r\n";
  }
  limits += "11111\r\n";
  const struct {
    std::string text;
    Extents extents;
    std::vector<std::array<int, 4>> cells;  // x, y, z, value
  } cases[] = {
      {"111//111\r\n111//111\r\n111//111\r\n111111111\r\n",
       {4, 9, 3},
       {{0, 0, 2, 1}, {0, 0, 1, 0}, {0, 0, 0, 1}, {3, 8, 2, 1}}},
      {"111/111/111\r\n...\r\n111/111/111\r\n/\r\n111/111/111\r\n",
       {5, 3, 3},
       {{1, 0, 0, 0}, {2, 0, 0, 1}}},
      // The example line "1.1/111", then 22 cubes of letters, a tab (1,2,1) and byte 160 (2,0,1).
      {"1.1/111\r\nab\tz-x/0c0\r\n\xA0"
       "xxxxxxxxxxx\r\nxxxx\r\n",
       {4, 12, 2},
       {{0, 0, 1, 1},
        {0, 1, 1, 0},
        {0, 2, 1, 1},
        {0, 1, 0, 1},
        {1, 2, 1, 1},
        {1, 4, 1, 0},
        {2, 0, 1, 1},
        {1, 0, 0, 0},
        {1, 1, 0, 1}}},
      {limits, {12, 12, 11}, {}},
      {holes, {3, 12, 1}, {}},
  };
  for (const auto& c : cases) {
    const auto grid = ParseFigureText(c.text);
    ASSERT_TRUE(grid) << c.text;
    EXPECT_EQ(GridExtents(*grid), c.extents) << c.text;
    for (const auto& [x, y, z, value] : c.cells) {
      EXPECT_EQ(grid->at(x, y, z), value) << x << "," << y << "," << z;
    }
  }
}

// Guards against the clipboard's UTF-8 bytes reaching the parser: a character is one cell and
// one of the 258.
TEST(ClipboardImport, EachCharacterIsOneByteOfFigureText) {
  // A non-breaking space, "■", "é", a character beyond the BMP, and a byte that is not UTF-8.
  for (const std::string_view cube :
       {"\xC2\xA0", "\xE2\x96\xA0", "\xC3\xA9", "\xF0\x9F\x98\x80", "\xFF"}) {
    // A marker line of 150 such characters first: the limit counts characters, not bytes.
    std::string text = "KELV ";
    for (int i = 0; i < 150; ++i) {
      text += cube;
    }
    text += "\r\n";
    for (const char c : kBlock) {
      text += c == '1' ? cube : std::string_view(&c, 1);
    }
    Game game;
    testing::FakePlatform platform;
    platform.clipboard = text;
    const auto grid = ImportFigureFromClipboard(game, platform);
    ASSERT_TRUE(grid) << cube;
    EXPECT_TRUE(IsBlock(*grid));
  }
}

// Guards the Latin-1 range and the malformed or cut-short sequences, which import cannot tell
// apart: every mark but a hole is a cube.
TEST(SingleByteText, KeepsLatin1AndMarksEveryOtherCharacterOnce) {
  const std::pair<std::string_view, std::string_view> table[] = {
      {"a\xC2\xA0\xC3\xA9\xC3\xBF", "a\xA0\xE9\xFF"},
      {"\xC4\x80\xE2\x96\xA0\xF0\x9F\x98\x80", "???"},
      {"\xC1\x81\xF5\xFF", "????"},  // an overlong form and bytes that never start one
      {"\xE2\x96"
       "a\xC3",
       "??a?"},  // cut short by a plain character and by the end
  };
  for (const auto& [utf8, bytes] : table) {
    EXPECT_EQ(SingleByteText(utf8), bytes);
  }
}

}  // namespace
}  // namespace kelvane
