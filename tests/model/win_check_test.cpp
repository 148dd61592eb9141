// SPDX-License-Identifier: GPL-3.0-or-later
// The congratulation for the seventh piece.
#include "model/win_check.h"

#include "model/create_mode.h"
#include "model/placement.h"
#include "model/puzzle_start.h"
#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

const std::vector<std::string> kWinEvents{"message: Congratulations! The game is won.",
                                          "sound: victory.wav"};

TEST_F(PlayTest, LayingTheSeventhPieceCongratulatesOnceAndThenPlaysTheSound) {
  LayAllButLast();
  EXPECT_TRUE(platform.messages.empty());
  Lay(kDefaultFigureSolution.back());
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_EQ(platform.events, kWinEvents);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].caption, "Kelvane");
  EXPECT_EQ(platform.messages[0].style, MessageStyle::Information);
  EXPECT_EQ(game->winAnnouncement, 0);
}

TEST_F(PlayTest, TheWinShowsTheHiddenPiecesAgain) {
  LayAllButLast();
  HidePiece(*game, platform, 2);
  Lay(kDefaultFigureSolution.back());
  EXPECT_EQ(game->hideFlags, (std::array<std::uint8_t, kPieceCount>{}));
}

TEST_F(PlayTest, PickingUpAndLayingTheLastPieceAgainDoesNotCongratulateTwice) {
  LayAllButLast();
  Lay(kDefaultFigureSolution.back());
  Select(0);
  Click(1, 0);  // piece 7's cube on layer 2
  ASSERT_FALSE(PieceOnField(*game, 8));
  Lay(kDefaultFigureSolution.back());
  EXPECT_TRUE(AllPiecesOnField(*game));
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.sounds.size(), 1u);
}

TEST_F(PlayTest, ANewPuzzleIsCongratulatedAgain) {
  LayAllButLast();
  Lay(kDefaultFigureSolution.back());
  StartPuzzle(*game, platform, game->figure);
  LayAllButLast();
  Lay(kDefaultFigureSolution.back());
  EXPECT_EQ(platform.messages.size(), 2u);
}

TEST_F(PlayTest, CompletingAFigureInCreateByPiecesModeNeverCongratulates) {
  game->createMode = 1;
  game->creationKind = kCreationByPieces;
  LayAllButLast();
  Lay(kDefaultFigureSolution.back());
  EXPECT_TRUE(AllPiecesOnField(*game));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(platform.sounds.empty());
  EXPECT_EQ(game->winAnnouncement, 1);
}

}  // namespace
}  // namespace kelvane::testing
