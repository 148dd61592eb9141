// SPDX-License-Identifier: GPL-3.0-or-later
// The Analyse commands as a player meets them: Test puzzle, Hint by show one piece, Show all.
// Which completion they find is the solver's business (solver_test.cpp).
#include "analysis/analyse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "figures.h"
#include "model/placement.h"
#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

// What a player sees and what is saved, to tell whether a command changed any of it.
struct Visible {
  std::array<std::int8_t, kGridCells> field;
  std::array<std::array<std::int8_t, kGridCells>, kPieceCount> pieceGrids{};
  std::array<std::uint8_t, kPieceCount> hideFlags;
  std::int32_t winAnnouncement;
  friend bool operator==(const Visible&, const Visible&) = default;
};

Visible SeenIn(const Game& game) {
  Visible seen{game.field.cells, {}, game.hideFlags, game.winAnnouncement};
  for (int k = 0; k < kPieceCount; ++k) {
    seen.pieceGrids[k] = game.pieceGrids[k].cells;
  }
  return seen;
}

class AnalyseTest : public PlayTest {
 protected:
  void Analyse(AnalyseMode mode) { AnalysePuzzle(*game, platform, mode); }

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const ShownMessage& m : platform.messages) {
      texts.push_back(m.text);
    }
    return texts;
  }

  // The completion Test finds from the current position.
  CellGrid TestCompletion() {
    Analyse(AnalyseMode::Test);
    platform.messages.clear();
    return game->WorkGrid;
  }
};

TEST_F(AnalyseTest, TestReportsSuccessAndChangesNothingThePlayerSees) {
  Lay(kDefaultFigureSolution[2]);
  const Visible before = SeenIn(*game);
  const int invalidations = platform.invalidations;
  platform.messages.clear();
  Analyse(AnalyseMode::Test);
  ASSERT_EQ(Texts(), std::vector<std::string>{"Test is passed successfully"});
  EXPECT_EQ(platform.messages[0].caption, "Kelvane");
  EXPECT_EQ(platform.messages[0].style, MessageStyle::Information);
  EXPECT_EQ(platform.invalidations, invalidations + 1);
  EXPECT_EQ(platform.erasingInvalidations, 0);
  EXPECT_TRUE(SeenIn(*game) == before);
  ExpectSevenWholePieces(*game, game->WorkGrid);  // WorkGrid keeps the completion
  EXPECT_TRUE(GridEquals(PieceCells(game->WorkGrid, 2), PieceCells(game->field, 2)));
}

// Each command answers for the position, not for the empty figure. A failure, or Show all
// declined, changes nothing the player sees, repaints nothing and keeps the congratulation.
TEST_F(AnalyseTest, AFailedOrDeclinedCommandSaysSoAndChangesNothing) {
  game->figure = Block(3, 3, 3);
  Lay({7, 0, 0, 0, 0});  // piece 7 with its bend in a corner: nothing completes that
  ASSERT_TRUE(GridEquals(game->field, PieceSevenAt(0)));
  const Visible before = SeenIn(*game);
  const int invalidations = platform.invalidations;
  const struct {
    AnalyseMode mode;
    MessageAnswer answer;
    std::vector<std::string> texts;
  } cases[] = {
      {AnalyseMode::Test, MessageAnswer::Yes, {"Test is not passed."}},
      {AnalyseMode::Hint, MessageAnswer::Yes, {"Test is not passed."}},
      {AnalyseMode::ShowAll, MessageAnswer::Yes, {"Are you shure?", "Test is not passed."}},
      {AnalyseMode::ShowAll, MessageAnswer::No, {"Are you shure?"}},
  };
  for (const auto& c : cases) {
    platform.messages.clear();
    platform.answers = {c.answer};
    Analyse(c.mode);
    ASSERT_EQ(Texts(), c.texts);
    EXPECT_EQ(platform.messages[0].style,
              c.mode == AnalyseMode::ShowAll ? MessageStyle::Question : MessageStyle::Information);
    EXPECT_EQ(platform.invalidations, invalidations);
    EXPECT_TRUE(SeenIn(*game) == before);
    EXPECT_TRUE(GridEquals(game->WorkGrid, game->field));
  }
}

// Each hint lays one more piece where Test's completion has it, shows it in the panel as it
// lies, never moves a player's piece, keeps hidden pieces hidden and takes the congratulation
// away; five hints build that completion.
TEST_F(AnalyseTest, HintsLayThePiecesOfTheCompletionTestFound) {
  Lay(kDefaultFigureSolution[4]);
  Lay(kDefaultFigureSolution[6]);
  const CellGrid completion = TestCompletion();
  game->hideFlags.fill(1);
  game->randomSource.seed(12345);
  for (int hint = 0; hint < 5; ++hint) {
    SCOPED_TRACE(hint);
    const CellGrid before = game->field;
    game->winAnnouncement = 1;
    Analyse(AnalyseMode::Hint);
    EXPECT_EQ(game->winAnnouncement, 0);
    int revealed = -1;
    for (int i = 0; i < kGridCells; ++i) {
      if (before.cells[i] != game->field.cells[i]) {
        EXPECT_EQ(before.cells[i], 0);
        EXPECT_EQ(game->field.cells[i], completion.cells[i]);
        revealed = game->field.cells[i] - PieceCellValue(0);
      }
    }
    ASSERT_GE(revealed, 0);
    EXPECT_EQ(CountCells(game->field),
              CountCells(before) + CountCells(PieceCells(completion, revealed)));
    EXPECT_TRUE(GridEquals(game->pieceGrids[revealed], PieceCells(completion, revealed)));
    EXPECT_TRUE(GridEquals(game->WorkGrid, game->pieceGrids[revealed]));
  }
  EXPECT_TRUE(GridEquals(game->field, completion));
  EXPECT_EQ(game->hideFlags, (std::array<std::uint8_t, kPieceCount>{1, 1, 1, 1, 1, 1, 1}));
  // A sixth hint finds nothing left to lay, yet passes.
  game->winAnnouncement = 1;
  Analyse(AnalyseMode::Hint);
  EXPECT_EQ(Texts(), std::vector<std::string>(6, "Test is passed successfully"));
  EXPECT_EQ(game->winAnnouncement, 0);
  EXPECT_TRUE(GridEquals(game->field, completion));
}

TEST_F(AnalyseTest, HintDrawsThePieceFromTheSeededSource) {
  const auto revealedWith = [&](unsigned seed) {
    game->field.Clear();
    game->randomSource.seed(seed);
    Analyse(AnalyseMode::Hint);
    return game->field;
  };
  EXPECT_TRUE(GridEquals(revealedWith(99), revealedWith(99)));
  std::set<int> pieces;
  for (unsigned seed = 1; seed <= 100 && pieces.size() < kPieceCount; ++seed) {
    const CellGrid field = revealedWith(seed);
    pieces.insert(*std::ranges::max_element(field.cells));
  }
  EXPECT_EQ(pieces.size(), 7u) << "every piece can be drawn";
}

TEST_F(AnalyseTest, ShowAllLaysTheCompletionAndShowsEveryPieceAsItLies) {
  Lay(kDefaultFigureSolution[3]);
  HidePiece(*game, platform, 4);
  game->hideFlags[1] = 1;  // hidden, then taken off: the flag stays
  const CellGrid completion = TestCompletion();
  platform.answers = {MessageAnswer::Yes};
  Analyse(AnalyseMode::ShowAll);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Are you shure?", "Test is passed successfully"}));
  EXPECT_TRUE(GridEquals(game->field, completion));
  EXPECT_EQ(game->hideFlags, (std::array<std::uint8_t, kPieceCount>{}));
  EXPECT_EQ(game->winAnnouncement, 0);
  for (int k = 0; k < kPieceCount; ++k) {
    EXPECT_TRUE(GridEquals(game->pieceGrids[k], PieceCells(completion, k))) << "piece " << k + 1;
  }
  EXPECT_TRUE(GridEquals(game->pieceGrids[3], OrientationSlot(*game, 3, 4)))
      << "the player's piece keeps the orientation it was laid in";
  EXPECT_TRUE(GridEquals(game->WorkGrid, game->pieceGrids[6]));
}

}  // namespace
}  // namespace kelvane::testing
