// SPDX-License-Identifier: GPL-3.0-or-later
// Figure text: markers, separators, holes, limits and the clipboard's messages.
#include "creation/figure_import.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace kelvane {
namespace {

// Three data lines of three full rows: the 3×3×3 block.
constexpr std::string_view kBlock = "111/111/111\r\n111/111/111\r\n111/111/111\r\n";

CellGrid Block() {
  CellGrid grid;
  for (int z = 0; z < 3; ++z) {
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 3; ++x) {
        grid.at(x, y, z) = 1;
      }
    }
  }
  return grid;
}

// Texts that read as the 3×3×3 block, and texts that read as no figure at all.
TEST(FigureText, ReadsTheBlockOrNothing) {
  const std::string block(kBlock);
  const auto padded = [&](std::size_t length) {
    return block + std::string(length - block.size() - 2, ' ') + "\r\n";
  };
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
      {block + std::string("\0"
                           "111",
                           4),
       true},                      // ends at a NUL
      {padded(257) + "1", false},  // a 28th cube at character 258 is read
      {padded(258) + "1", true},   // ...at character 259 it is not
      {std::string(260, ' ') + block, false},
      {"", false},
      {"KELV\r\n/KELV\r\n", false},
      {"111/111/111\r\n111/111/111\r\n111/111/11\r\n", false},
      {block + "1\r\n", false},
  };
  for (const auto& [text, isBlock] : cases) {
    const auto grid = ParseFigureText(text);
    EXPECT_EQ(grid.has_value(), isBlock) << text;
    EXPECT_TRUE(!grid || GridEquals(*grid, Block())) << text;
  }
}

TEST(FigureText, TwoSeparatorsLeaveAnEmptyLayer) {
  const auto grid = ParseFigureText("111//111\r\n111//111\r\n111//111\r\n111111111\r\n");
  ASSERT_TRUE(grid);
  EXPECT_EQ(GridExtents(*grid), (Extents{4, 9, 3}));
  EXPECT_EQ(grid->at(0, 0, 2), 1);
  EXPECT_EQ(grid->at(0, 0, 1), 0);
  EXPECT_EQ(grid->at(0, 0, 0), 1);
  EXPECT_EQ(grid->at(3, 8, 2), 1);
}

TEST(FigureText, HolesAdvanceThePositionAndAnyOtherCharacterIsACube) {
  // The example line "1.1/111" at x = 0, then 22 cubes of letters, a tab and byte 160.
  const std::string text =
      "1.1/111\r\nab\tz-x/0c0\r\n\xA0" + std::string("xxxxxxxxxxx") + "\r\nxxxx\r\n";
  const auto grid = ParseFigureText(text);
  ASSERT_TRUE(grid);
  EXPECT_EQ(grid->at(0, 0, 1), 1);
  EXPECT_EQ(grid->at(0, 1, 1), 0);
  EXPECT_EQ(grid->at(0, 2, 1), 1);
  EXPECT_EQ(grid->at(0, 1, 0), 1);
  EXPECT_EQ(grid->at(1, 2, 1), 1);  // the tab
  EXPECT_EQ(grid->at(1, 4, 1), 0);  // '-'
  EXPECT_EQ(grid->at(2, 0, 1), 1);  // byte 160
  EXPECT_EQ(grid->at(1, 0, 0), 0);  // '0'
  EXPECT_EQ(grid->at(1, 1, 0), 1);
}

TEST(FigureText, ALineWithoutCubesStillTakesItsX) {
  const auto grid = ParseFigureText("111/111/111\r\n...\r\n111/111/111\r\n/\r\n111/111/111\r\n");
  ASSERT_TRUE(grid);
  EXPECT_EQ(GridExtents(*grid), (Extents{5, 3, 3}));
  EXPECT_EQ(grid->at(1, 0, 0), 0);
  EXPECT_EQ(grid->at(2, 0, 0), 1);
}

TEST(FigureText, CubesMayReachTwelveLinesTwelveCellsAndElevenLayers) {
  // 12 cells along y, 11 layers down from z = 10, and 12 data lines along x: 27 cubes.
  std::string text = "111111111111/1/1/1/1/1/1/1/1/1/1\r\n";
  for (int line = 1; line < 11; ++line) {
    text += ".\r\n";
  }
  text += "11111\r\n";
  const auto grid = ParseFigureText(text);
  ASSERT_TRUE(grid);
  EXPECT_EQ(GridExtents(*grid), (Extents{12, 12, 11}));
}

TEST(FigureText, ACubePastTheLimitsIsRejected) {
  const std::string filler = "111111111111\r\n111111111111\r\n";  // 24 cubes
  EXPECT_FALSE(ParseFigureText(filler + "1111111111111\r\n"));    // y = 12
  EXPECT_FALSE(ParseFigureText(filler + "/ / / / / /111\r\n"));   // an 11th separator: z = -1
  std::string thirteenLines = filler;
  for (int line = 2; line < 12; ++line) {
    thirteenLines += "-\r\n";
  }
  EXPECT_FALSE(ParseFigureText(thirteenLines + "111\r\n"));  // x = 12
  // Positions and lines past the limits are no error while they hold no cube.
  std::string holes = filler + "111............\r\n";
  for (int line = 3; line < 14; ++line) {
    holes += "..............\r\n";
  }
  EXPECT_TRUE(ParseFigureText(holes));
}

TEST(ClipboardImport, NoTextOrABadOneExplainsAFigureComesBackQuietly) {
  const std::pair<std::optional<std::string>, std::string> cases[] = {
      {std::nullopt, "Please copy text of figure to clipboard for import."},
      {"", "Invalid format!"},
      {std::string(kBlock), ""},
  };
  for (const auto& [clipboard, message] : cases) {
    Game game;
    testing::FakePlatform platform;
    platform.clipboard = clipboard;
    const auto grid = ImportFigureFromClipboard(game, platform);
    EXPECT_EQ(grid.has_value(), message.empty());
    EXPECT_EQ(platform.messages.empty() ? "" : platform.messages[0].text, message);
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
    EXPECT_TRUE(GridEquals(*grid, Block()));
  }
}

}  // namespace
}  // namespace kelvane
