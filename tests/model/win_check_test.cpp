// SPDX-License-Identifier: GPL-3.0-or-later
// The congratulation for the seventh piece, the record of solved figures, and starting play on a
// new figure.
#include "model/win_check.h"

#include "model/create_mode.h"
#include "model/move_history.h"
#include "model/orientation.h"
#include "model/placement.h"
#include "model/puzzle_start.h"
#include "model/solved_puzzles.h"
#include "model/view_turn.h"
#include "storage/solved_record_file.h"
#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

const std::vector<std::string> kWinEvents{"message: Congratulations! The game is won.",
                                          "sound: victory.wav"};

TEST_F(PlayTest, TheSeventhPieceCongratulatesOnceShowsAllPiecesAndRecordsTheFigure) {
  LayAllButLast();
  HidePiece(*game, platform, 2);
  EXPECT_TRUE(platform.messages.empty());
  Lay(kDefaultFigureSolution.back());
  EXPECT_EQ(platform.events, kWinEvents) << "no beep, the message, then the sound";
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].caption, "Kelvane");
  EXPECT_EQ(platform.messages[0].style, MessageStyle::Information);
  EXPECT_EQ(game->winAnnouncement, 0);
  EXPECT_EQ(game->hideFlags, (std::array<std::uint8_t, kPieceCount>{}));
  const CellGrid won = game->figure;

  Select(0);
  Click(1, 0);  // piece 7's cube on layer 2
  ASSERT_FALSE(PieceOnField(*game, 8));
  Lay(kDefaultFigureSolution.back());
  Undo(*game, platform);
  Redo(*game, platform);
  Undo(*game, platform);
  Lay(kDefaultFigureSolution.back());
  EXPECT_TRUE(AllPiecesOnField(*game));
  EXPECT_EQ(platform.events, kWinEvents) << "laid again, the last piece is not congratulated";

  // The won figure is recognised whatever its turn, an edited one is not.
  RotateView(*game, platform, -1);
  EXPECT_TRUE(IsSolved(*game, game->figure));
  CellGrid edited = won;
  edited.at(1, 4, 0) = 0;
  edited.at(1, 4, 1) = kPlainCube;
  EXPECT_FALSE(IsSolved(*game, edited));
  EXPECT_EQ(FigureKey(won), "3 5 3 ###/#.#/###/.#./.#. ###/#.#/###/.#./... ###/#.#/###/.../...");
  CellGrid turned = won;
  for (int turn = 1; turn < 4; ++turn) {
    RotateAboutZ(turned);
    EXPECT_EQ(FigureKey(turned), FigureKey(won)) << "the key misses turn " << turn;
  }
}

TEST(SolvedRecordText, KeysReadBackAndDamageIsRefused) {
  SolvedPuzzles record;
  record.figures = {"1 2 1 #/#", "1 1 2 # #"};
  EXPECT_EQ(ParseSolvedRecord(FormatSolvedRecord(record))->figures, record.figures);
  // A key written in another turn is taken in its own form.
  EXPECT_EQ(ParseSolvedRecord("Kelvane solved puzzles 1\r\n2 1 1 ##\r\n")->figures,
            std::set<std::string>{"1 2 1 #/#"});
  for (const std::string_view text :
       {"", "garbage", "Kelvane solved puzzles 2\n", "Kelvane solved puzzles 1\n2 1 1 #\n",
        "Kelvane solved puzzles 1\n2 1 1 #x\n", "Kelvane solved puzzles 1\n1 1 1 .\n",
        "Kelvane solved puzzles 1\n1 x 1 #\n", "Kelvane solved puzzles 1\n13 1 1 #\n",
        "Kelvane solved puzzles 1\n1 1 1"}) {
    EXPECT_FALSE(ParseSolvedRecord(text)) << text;
  }
}

TEST_F(PlayTest, AFigureCompletedWhileCreatingIsNotCongratulatedAndStartPuzzleBeginsPlay) {
  game->createMode = 1;
  game->creationKind = kCreationByPieces;
  LayAllButLast();
  Lay(kDefaultFigureSolution.back());
  EXPECT_TRUE(AllPiecesOnField(*game));
  EXPECT_TRUE(platform.events.empty());
  EXPECT_EQ(game->winAnnouncement, 1);

  game->hideFlags[3] = 1;
  game->winAnnouncement = 0;
  RotateAboutX(game->pieceGrids[0]);
  const auto orientations = game->pieceGrids;
  CellGrid tower;
  for (int z = 0; z < 5; ++z) {
    tower.at(0, 0, z) = kPlainCube;
  }
  // Guards against clearing the Field before copying it when it is the figure handed over.
  game->field = tower;
  platform = FakePlatform{};

  StartPuzzle(*game, platform, game->field);

  EXPECT_EQ(game->createMode, 0);
  EXPECT_FALSE(GridHasCells(game->field));
  EXPECT_TRUE(GridEquals(game->figure, tower));
  EXPECT_EQ(game->currentLayer, 0);
  EXPECT_EQ(game->shownLayers, 5);
  EXPECT_EQ(game->hideFlags, (std::array<std::uint8_t, kPieceCount>{}));
  EXPECT_EQ(game->winAnnouncement, 1) << "a new puzzle is congratulated again";
  for (int k = 0; k < kPieceCount; ++k) {
    EXPECT_TRUE(GridEquals(game->pieceGrids[k], orientations[k])) << "piece " << k + 1;
  }
  EXPECT_EQ(platform.fits, 1);
  EXPECT_EQ(platform.panelResets, 1);
  EXPECT_EQ(platform.commandStateUpdates, 1);
}

}  // namespace
}  // namespace kelvane::testing
