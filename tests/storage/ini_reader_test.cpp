// SPDX-License-Identifier: GPL-3.0-or-later
// The INI look-up rules below the puzzle and settings files (their own tests cover the rest).
#include "storage/ini_reader.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

// Section and key are found case-blind, only the first of each counting, and lines before the
// first section, without '=' or under an unclosed bracket belong to none. The integer is the
// number at the start of the value, wrapping at 32 bits like the platform's reader; a string keeps
// its inner spaces and is cut to the caller's buffer.
TEST(IniReader, FindsTheFirstSectionAndKeyAndReadsTheirNumbersAndStrings) {
  const std::string_view text =
      "DZ = 1\r\n[SIZE]\r\nDX = 3\r\ndx = 4\r\n[size]\r\nDY = 6\r\n[OTHER]\r\nDZ = 9\r\n"
      "[A\nDX = 1\n[B]\nDX\nDX = 2\n"
      "[N]\nempty =\nneg = -12\nplus = +8\nbig = 4294967297\nspaced = 1 2\n"
      "[S]\r\nk = my cube = 2 \r\nname = abcdef\n";
  const std::tuple<std::string_view, std::string_view, int> cases[] = {
      {"SIZE", "DX", 3},    {"size", "dx", 3}, {"SIZE", "DY", 0},  {"SIZE", "DZ", 0},
      {"MISSING", "DX", 0}, {"A", "DX", 0},    {"B", "DX", 2},     {"N", "empty", 0},
      {"N", "neg", -12},    {"N", "plus", 8},  {"N", "spaced", 1}, {"N", "big", 1},
  };
  for (const auto& [section, key, value] : cases) {
    EXPECT_EQ(ReadIniInt(text, section, key, 0), value) << section << " " << key;
  }
  EXPECT_EQ(ReadIniInt("", "SIZE", "DX", 5), 5);
  EXPECT_EQ(ReadIniString(text, "S", "K", "", 260), "my cube = 2");
  EXPECT_EQ(ReadIniString(text, "S", "name", "", 4), "abc");
  EXPECT_EQ(ReadIniString(text, "S", "name", "", 1), "");
  EXPECT_EQ(ReadIniString(text, "S", "missing", "fallback", 5), "fall");
}

}  // namespace
}  // namespace kelvane
