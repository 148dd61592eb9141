// SPDX-License-Identifier: GPL-3.0-or-later
// The kept game: written and read back whole, anything else ignored and set aside.
#include "storage/kept_game_file.h"

#include "creation/create_puzzle.h"
#include "model/view_turn.h"
#include "scoped_temp_dir.h"
#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

class KeptGameTest : public PlayTest {
 protected:
  void ExpectReadBackAsItIs() {
    const KeptGame a = KeepGame(*game, platform);
    const std::optional<KeptGame> b = ParseKeptGame(FormatKeptGame(a), *game);
    ASSERT_TRUE(b);
    EXPECT_TRUE(GridEquals(a.figure, b->figure) && GridEquals(a.field, b->field));
    EXPECT_EQ(
        std::tie(a.createMode, a.creationKind, a.currentLayer, a.shownLayers, a.hideFlags,
                 a.selection, a.winAnnouncement, a.puzzleName, a.clockMs, a.moves, a.hints),
        std::tie(b->createMode, b->creationKind, b->currentLayer, b->shownLayers, b->hideFlags,
                 b->selection, b->winAnnouncement, b->puzzleName, b->clockMs, b->moves, b->hints));
  }
};

TEST_F(KeptGameTest, PlayAfterATurnAndCreationByCubesReadBackAsTheyWere) {
  game->play.puzzleName = "Castle";
  for (int i = 0; i < 3; ++i) {
    Lay(kDefaultFigureSolution[i]);
    platform.nowMs += 61'000;
  }
  RotateView(*game, platform, +1);
  game->hideFlags[1] = 1;
  game->shownLayers = 2;
  ExpectReadBackAsItIs();

  // Kept by a build before the clock: the game reads, with nothing spent on it yet.
  std::string older = FormatKeptGame(KeepGame(*game, platform));
  older.erase(older.find("PUZZLE_NAME"), older.find("SIZE") - older.find("PUZZLE_NAME"));
  const std::optional<KeptGame> kept = ParseKeptGame(older, *game);
  ASSERT_TRUE(kept);
  EXPECT_TRUE(GridEquals(kept->field, game->field));
  EXPECT_EQ(std::make_tuple(kept->puzzleName, kept->clockMs, kept->moves),
            std::make_tuple("", 0, 0));

  CreatePuzzle(*game, platform, CreateMode::ByCubes);
  Click(4, 5);
  ExpectReadBackAsItIs();
}

TEST_F(KeptGameTest, DamagedOrForeignTextIsRefused) {
  Lay(kDefaultFigureSolution[0]);
  const std::string good = FormatKeptGame(KeepGame(*game, platform));
  const auto replaced = [&good](std::string_view from, std::string_view to) {
    std::string text = good;
    return text.replace(text.find(from), from.size(), to);
  };
  for (const std::string& text :
       {std::string("garbage \xff\n"), good.substr(0, good.size() - 9),
        replaced("VERSION = 1", "VERSION = 2"), replaced("CURRENT_LAYER = 0", "CURRENT_LAYER = 3"),
        replaced("Z0 = 11", "Z0 = 1#"), replaced("HIDDEN = 0000000", "HIDDEN = 000000x"),
        replaced("Z0 = 11", "Z0 = ++"), replaced("Z0 = 11", "Z0 = 111"), replaced("/", ":"),
        replaced("SIZE = 3 5 3", "SIZE = 3 5"), replaced("SIZE = 3 5 3", "SIZE = 3 5 3 1"),
        replaced("SIZE = 3 5 3", "SIZE = 3 5 0"), replaced("SIZE", "SIZES"),
        replaced("CURRENT_LAYER = 0", "CURRENT_LAYER = 0x"), replaced("HIDDEN", "HIDE"),
        replaced("HIDDEN = 0000000", "HIDDEN = 00000000")}) {
    EXPECT_FALSE(ParseKeptGame(text, *game)) << text;
  }
}

using KeptGameFile = InTemporaryDirectory;

TEST_F(KeptGameFile, AGarbageFileIsSetAsideSilentlyAndAGoodOneContinued) {
  auto game = NewInitialisedGame();
  FakePlatform platform;
  WriteFile("KeptGame.ini", "garbage");
  ResumeKeptGame(*game, platform);
  EXPECT_EQ(game->figure.at(1, 4, 0), kPlainCube);  // still the default figure
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(FileBytes("KeptGame.ini.bad"), "garbage");
  EXPECT_FALSE(std::filesystem::exists("KeptGame.ini"));

  game->field.at(0, 0, 0) = game->field.at(1, 0, 0) = game->field.at(0, 0, 1) = 8;
  platform.selection = 7;
  SaveKeptGame(*game, platform);
  auto next = NewInitialisedGame();
  FakePlatform nextPlatform;
  ResumeKeptGame(*next, nextPlatform);
  EXPECT_TRUE(GridEquals(next->field, game->field));
  EXPECT_EQ(nextPlatform.selection, 7);
}

}  // namespace
}  // namespace kelvane::testing
