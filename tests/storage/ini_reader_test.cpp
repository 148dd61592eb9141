// The INI look-up rules below the puzzle and settings files (their own tests cover the rest).
#include "storage/ini_reader.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

TEST(IniReader, MissingFileSectionOrKeyGivesTheDefault) {
  const std::string_view text = "DZ = 1\r\n[SIZE]\r\nDX = 3\r\n[OTHER]\r\nDZ = 9\r\n";
  EXPECT_EQ(ReadIniInt("", "SIZE", "DX", 5), 5);
  EXPECT_EQ(ReadIniInt(text, "MISSING", "DX", -1), -1);
  // Lines before the first section, and those of other sections, are not the section's.
  EXPECT_EQ(ReadIniInt(text, "SIZE", "DZ", 7), 7);
  EXPECT_EQ(ReadIniString(text, "SIZE", "DY", "none", 260), "none");
}

TEST(IniReader, OnlyTheFirstSectionAndItsFirstKeyCount) {
  const std::string_view text = "[SIZE]\nDX = 3\ndx = 4\n[size]\nDX = 5\nDY = 6\n";
  EXPECT_EQ(ReadIniInt(text, "SIZE", "DX", 0), 3);
  EXPECT_EQ(ReadIniInt(text, "SIZE", "DY", 0), 0);
}

TEST(IniReader, IntegerIsTheNumberAtTheStartOfTheValue) {
  const std::string_view text =
      "[A]\nempty =\nneg = -12\nplus = +8\nbig = 4294967297\nspaced = 1 2\n";
  EXPECT_EQ(ReadIniInt(text, "A", "empty", 9), 9);
  EXPECT_EQ(ReadIniInt(text, "A", "neg", 9), -12);
  EXPECT_EQ(ReadIniInt(text, "A", "plus", 9), 8);
  EXPECT_EQ(ReadIniInt(text, "A", "spaced", 9), 1);
  // Wraps at 32 bits like the platform's reader, never overflowing a signed integer.
  EXPECT_EQ(ReadIniInt(text, "A", "big", 9), 1);
}

TEST(IniReader, StringsAreCutToTheCallersBuffer) {
  const std::string_view text = "[A]\nname = abcdef\n";
  EXPECT_EQ(ReadIniString(text, "A", "name", "", 4), "abc");
  EXPECT_EQ(ReadIniString(text, "A", "name", "", 1), "");
  EXPECT_EQ(ReadIniString(text, "A", "missing", "fallback", 5), "fall");
}

TEST(IniReader, ValueKeepsInnerSpacesAndEqualsSigns) {
  EXPECT_EQ(ReadIniString("[A]\r\nk = my cube = 2 \r\n", "A", "K", "", 260), "my cube = 2");
}

TEST(IniReader, LinesWithoutAnEqualsSignOrClosingBracketAreIgnored) {
  const std::string_view text = "[A\nDX = 1\n[B]\nDX\nDX = 2\n";
  EXPECT_EQ(ReadIniInt(text, "A", "DX", 0), 0);
  EXPECT_EQ(ReadIniInt(text, "B", "DX", 0), 2);
}

}  // namespace
}  // namespace kelvane
