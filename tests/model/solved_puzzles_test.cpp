// SPDX-License-Identifier: GPL-3.0-or-later
// Solved puzzles are recognised by their figure, however it is turned or shifted.
#include "model/solved_puzzles.h"

#include "model/view_turn.h"
#include "support/play_fixture.h"
#include "storage/solved_record_file.h"

namespace kelvane::testing {
namespace {

TEST_F(PlayTest, TheWonFigureIsRecordedWhateverItsTurnAndAnEditedOneIsNot) {
  const CellGrid start = game->figure;
  RotateView(*game, platform, -1);
  MarkSolved(*game);
  EXPECT_TRUE(IsSolved(*game, start));
  CellGrid edited = start;
  edited.at(1, 4, 0) = 0;
  edited.at(1, 4, 1) = kPlainCube;
  EXPECT_FALSE(IsSolved(*game, edited));
  EXPECT_EQ(FigureKey(start), "3 5 3 ###/#.#/###/.#./.#. ###/#.#/###/.#./... ###/#.#/###/.../...");
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
        "Kelvane solved puzzles 1\n2 1 1 #x\n", "Kelvane solved puzzles 1\n1 1 1 .\n"}) {
    EXPECT_FALSE(ParseSolvedRecord(text)) << text;
  }
}

}  // namespace
}  // namespace kelvane::testing
