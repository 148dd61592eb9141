// SPDX-License-Identifier: GPL-3.0-or-later
// The extra options file: its lines, and that a damaged file never costs more than its options.
#include "storage/extra_options_file.h"

#include <gtest/gtest.h>

#include "model/game.h"
#include "scoped_temp_dir.h"
#include "storage/guide_mark_file.h"
#include "storage/settings_file.h"
#include "storage/text_file.h"
#include "storage/window_place_file.h"

namespace kelvane {
namespace {

TEST(ExtraOptionsText, EachSwitchIsWrittenAndReadBackAndOnlyANonZeroNumberTurnsItOn) {
  EXPECT_EQ(FormatExtraOptionsText({}),
            "[Options]\r\nCAN_STILL_BE_DONE = 0\r\nPIECE_NUMBERS = 0\r\nCLOCK_AND_MOVES = 1\r\n"
            "LIBRARY_BY_DIFFICULTY = 0\r\nANIMATION = 1\r\n");
  for (const ExtraOptions options : {ExtraOptions{true, false, true, false, false},
                                     ExtraOptions{false, true, false, true, true}}) {
    EXPECT_EQ(ParseExtraOptionsText(FormatExtraOptionsText(options)), options);
  }
  EXPECT_TRUE(ParseExtraOptionsText("[options]\npiece_numbers=2\n").pieceNumbers);
  EXPECT_TRUE(ParseExtraOptionsText("[Options]\nPIECE_NUMBERS = 1\n").clockAndMoves)
      << "an older file keeps the clock on";
  EXPECT_TRUE(ParseExtraOptionsText("[Options]\nPIECE_NUMBERS = 1\n").animation);
  for (const std::string_view text :
       {"", "garbage \xff", "[Options]\nPIECE_NUMBERS = yes\n", "[Other]\nPIECE_NUMBERS=1\n"}) {
    EXPECT_FALSE(ParseExtraOptionsText(text).pieceNumbers) << text;
  }
}

using ExtraOptionsFile = testing::InTemporaryDirectory;

TEST_F(ExtraOptionsFile, SavedOptionsAreLoadedAtTheNextStart) {
  Game saved;
  saved.extras.pieceNumbers = true;
  SaveExtraOptions(saved);
  Game next;
  LoadExtraOptions(next);
  EXPECT_EQ(next.extras, saved.extras);
}

// Keys this build does not know survive every rewrite, once each, with the value a reader sees;
// the guide's mark is one of them, and only a first start without it opens the guide.
TEST_F(ExtraOptionsFile, UnknownKeysAndTheGuideMarkSurviveRewrites) {
  Game game;
  EXPECT_TRUE(IsFirstStart(game));
  testing::WriteBytes(kExtraOptionsFileName,
                      "[options]\nFuture = 7\nfuture=8\nGUIDE_SEEN = 0\n[Other]\nX=1\n");
  EXPECT_TRUE(IsFirstStart(game));
  MarkGuideSeen(game);
  game.extras.pieceNumbers = true;
  SaveExtraOptions(game);
  EXPECT_FALSE(IsFirstStart(game));
  EXPECT_EQ(ReadTextFile(kExtraOptionsFileName),
            FormatExtraOptionsText(game.extras, {}) + "GUIDE_SEEN = 1\r\nFuture = 7\r\n");
  std::filesystem::remove(kExtraOptionsFileName);
  testing::WriteBytes(SettingsFileName(game), "");
  EXPECT_FALSE(IsFirstStart(game)) << "a settings file means the game ran here before";
}

// The window's place reads back as written, negative corners included; a text missing either
// key, or none at all, holds no place.
TEST(WindowPlaceFile, KeepsBothCornersOrNone) {
  const WindowPlace place{-20, 300};
  EXPECT_EQ(ParseWindowPlaceText(FormatWindowPlaceText(place)), place);
  EXPECT_EQ(FormatWindowPlaceText(std::nullopt), "");
  for (const char* text : {"", "[Window]\r\nLEFT = 5\r\n", "[Other]\r\nLEFT = 1\r\nTOP = 2\r\n"}) {
    EXPECT_EQ(ParseWindowPlaceText(text), std::nullopt) << text;
  }
}

}  // namespace
}  // namespace kelvane
