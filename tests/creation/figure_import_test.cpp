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

bool ParsesAsBlock(std::string_view text) {
  const auto grid = ParseFigureText(text);
  return grid && GridEquals(*grid, Block());
}

TEST(FigureText, ThreeLinesOfThreeGroupsMakeTheBlock) {
  EXPECT_TRUE(ParsesAsBlock(kBlock));
  EXPECT_TRUE(ParsesAsBlock("111 111 111\r\n111 111 111\r\n111 111 111"));
}

TEST(FigureText, MarkerLinesAndCommentsAreSkipped) {
  EXPECT_TRUE(ParsesAsBlock("KELV 1\r\n" + std::string(kBlock) + "/KELV\r\n"));
  EXPECT_TRUE(ParsesAsBlock("x; note 1111\r\n\r\n" + std::string(kBlock)));
  // Only the exact, upper-case markers are skipped: "kelv" is a data line of cubes.
  EXPECT_FALSE(ParseFigureText("kelv\r\n" + std::string(kBlock)));
}

TEST(FigureText, ALeadingSemicolonIsACube) {
  const auto grid = ParseFigureText(";11/111/111\r\n111/111/111\r\n111/111/111");
  ASSERT_TRUE(grid);
  EXPECT_TRUE(GridEquals(*grid, Block()));
}

TEST(FigureText, TextAfterAClosingMarkerIsStillRead) {
  // Two figures in one text land in the same grid and hold 54 cubes.
  EXPECT_FALSE(ParseFigureText("KELV\r\n" + std::string(kBlock) + "/KELV\r\nKELV\r\n" +
                               std::string(kBlock)));
}

TEST(FigureText, LeadingSpacesDoNotShiftALine) {
  EXPECT_TRUE(ParsesAsBlock("   111/111/111  \r\n111/111/111\r\n  111 111 111\r\n"));
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

TEST(FigureText, OnlyTwentySevenCubesPass) {
  EXPECT_FALSE(ParseFigureText(""));
  EXPECT_FALSE(ParseFigureText("KELV\r\n/KELV\r\n"));
  EXPECT_FALSE(ParseFigureText("111/111/111\r\n111/111/111\r\n111/111/11\r\n"));
  EXPECT_FALSE(ParseFigureText(std::string(kBlock) + "1\r\n"));
}

TEST(FigureText, ReadsOnlyTheFirst258Characters) {
  const auto padded = [](std::size_t length) {
    return std::string(kBlock) + std::string(length - kBlock.size() - 2, ' ') + "\r\n";
  };
  EXPECT_FALSE(ParseFigureText(padded(257) + "1"));  // a 28th cube at character 258 is read
  EXPECT_TRUE(ParsesAsBlock(padded(258) + "1"));     // ...at character 259 it is not
  EXPECT_FALSE(ParseFigureText(std::string(260, ' ') + std::string(kBlock)));
}

TEST(FigureText, EndsAtANul) {
  EXPECT_TRUE(ParsesAsBlock(std::string(kBlock) + std::string("\0"
                                                              "111",
                                                              4)));
}

TEST(FigureText, BareLineFeedsEndLinesToo) {
  EXPECT_TRUE(ParsesAsBlock("111/111/111\n111/111/111\r\n111/111/111\n"));
}

TEST(FigureText, TheFigureIsMovedToTheOriginCorner) {
  const auto grid = ParseFigureText(
      ".\r\n.\r\n..111 ..111 ..111\r\n..111 ..111 ..111\r\n"
      "..111 ..111 ..111\r\n");
  ASSERT_TRUE(grid);
  EXPECT_TRUE(GridEquals(*grid, Block()));
}

TEST(ClipboardImport, NoTextAsksForACopy) {
  Game game;
  testing::FakePlatform platform;
  EXPECT_FALSE(ImportFigureFromClipboard(game, platform));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Please copy text of figure to clipboard for import.");
  EXPECT_EQ(platform.messages[0].caption, "Kelvane");
  EXPECT_EQ(platform.messages[0].style, MessageStyle::Information);
}

TEST(ClipboardImport, EmptyTextIsAnInvalidFormat) {
  Game game;
  testing::FakePlatform platform;
  platform.clipboard = "";
  EXPECT_FALSE(ImportFigureFromClipboard(game, platform));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Invalid format!");
  EXPECT_EQ(platform.messages[0].style, MessageStyle::Information);
}

TEST(ClipboardImport, AFigureIsReturnedWithoutAMessage) {
  Game game;
  testing::FakePlatform platform;
  platform.clipboard = std::string(kBlock);
  const auto grid = ImportFigureFromClipboard(game, platform);
  ASSERT_TRUE(grid);
  EXPECT_TRUE(GridEquals(*grid, Block()));
  EXPECT_TRUE(platform.messages.empty());
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
