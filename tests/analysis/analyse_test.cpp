// SPDX-License-Identifier: GPL-3.0-or-later
// The Analyse commands as a player meets them: Test puzzle, Hint by show one piece, Show all.
#include "analysis/analyse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "figures.h"
#include "model/orientation.h"
#include "model/placement.h"
#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

// Only the cells of piece k, shifted to the origin.
CellGrid PieceCells(const CellGrid& grid, int k) {
  CellGrid piece = grid;
  for (std::int8_t& cell : piece.cells) {
    cell = cell == PieceCellValue(k) ? cell : 0;
  }
  NormaliseGrid(piece);
  return piece;
}

int PiecesOn(const CellGrid& grid) {
  int pieces = 0;
  for (int k = 0; k < kPieceCount; ++k) {
    pieces += std::ranges::count(grid.cells, PieceCellValue(k)) > 0 ? 1 : 0;
  }
  return pieces;
}

// What a player sees and what is saved, to tell whether a command changed any of it.
struct Visible {
  CellGrid field;
  std::array<CellGrid, kPieceCount> pieceGrids;
  std::array<std::uint8_t, kPieceCount> hideFlags;
  std::int32_t winAnnouncement;

  explicit Visible(const Game& game)
      : field(game.field),
        pieceGrids(game.pieceGrids),
        hideFlags(game.hideFlags),
        winAnnouncement(game.winAnnouncement) {}
  bool operator==(const Visible& other) const {
    for (int k = 0; k < kPieceCount; ++k) {
      if (!GridEquals(pieceGrids[k], other.pieceGrids[k])) {
        return false;
      }
    }
    return GridEquals(field, other.field) && hideFlags == other.hideFlags &&
           winAnnouncement == other.winAnnouncement;
  }
};

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
    platform.events.clear();
    return game->WorkGrid;
  }

  // Lays piece k by the pointer where `completion` has it.
  void LayAsIn(const CellGrid& completion, int k) {
    const CellGrid shape = PieceCells(completion, k);
    int slot = 0;
    while (!GridEquals(shape, OrientationSlot(*game, k, slot))) {
      ++slot;
    }
    Cell corner{kGridSize, kGridSize, kGridSize};
    for (int i = 0; i < kGridCells; ++i) {
      if (completion.cells[i] == PieceCellValue(k)) {
        corner = {std::min(corner.x, i % kGridSize), std::min(corner.y, i / kGridSize % kGridSize),
                  std::min(corner.z, i / (kGridSize * kGridSize))};
      }
    }
    Lay({k + 1, slot, corner.x, corner.y, corner.z});
  }

  // Piece 7 with its bend in the corner of a 3 × 3 × 3 cube: nothing completes that.
  void BlockTheCube() {
    game->figure = Block(3, 3, 3);
    Lay({7, 0, 0, 0, 0});
    ASSERT_EQ(game->field.at(0, 0, 0), PieceCellValue(6));
  }
};

TEST_F(AnalyseTest, TestReportsSuccessAndChangesNothingThePlayerSees) {
  Lay(kDefaultFigureSolution[2]);
  const Visible before(*game);
  const int invalidations = platform.invalidations;
  platform.messages.clear();
  Analyse(AnalyseMode::Test);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Test is passed successfully");
  EXPECT_EQ(platform.messages[0].caption, "Kelvane");
  EXPECT_EQ(platform.messages[0].style, MessageStyle::Information);
  EXPECT_EQ(platform.invalidations, invalidations + 1);
  EXPECT_EQ(platform.erasingInvalidations, 0);
  EXPECT_TRUE(Visible(*game) == before);
  EXPECT_EQ(CountCells(game->WorkGrid), 27) << "WorkGrid keeps the completion";
  EXPECT_TRUE(GridEquals(PieceCells(game->WorkGrid, 2), PieceCells(game->field, 2)));
}

// Each command answers for the position, not for the empty figure, and a failure changes
// nothing the player sees, repaints nothing and keeps the congratulation.
TEST_F(AnalyseTest, AFailedCommandSaysSoAndChangesNothing) {
  BlockTheCube();
  const Visible before(*game);
  const int invalidations = platform.invalidations;
  const std::vector<std::string> notPassed{"Test is not passed."};
  const std::vector<std::string> askedFirst{"Are you shure?", "Test is not passed."};
  for (const auto& [mode, texts] : {std::pair{AnalyseMode::Test, notPassed},
                                    {AnalyseMode::Hint, notPassed},
                                    {AnalyseMode::ShowAll, askedFirst}}) {
    platform.messages.clear();
    platform.answers = {MessageAnswer::Yes};
    Analyse(mode);
    EXPECT_EQ(Texts(), texts);
    EXPECT_EQ(platform.invalidations, invalidations);
    EXPECT_TRUE(Visible(*game) == before);
    EXPECT_TRUE(GridEquals(game->WorkGrid, game->field));
  }
}

// Each hint lays one more piece where Test's completion has it, shows it in the panel as it
// lies, and never moves a player's piece; five hints build that completion.
TEST_F(AnalyseTest, HintsLayThePiecesOfTheCompletionTestFound) {
  Lay(kDefaultFigureSolution[4]);
  Lay(kDefaultFigureSolution[6]);
  const CellGrid completion = TestCompletion();
  game->randomSource.seed(12345);
  for (int hint = 0; hint < 5; ++hint) {
    SCOPED_TRACE(hint);
    const CellGrid before = game->field;
    platform.messages.clear();
    Analyse(AnalyseMode::Hint);
    EXPECT_EQ(Texts(), std::vector<std::string>{"Test is passed successfully"});
    EXPECT_EQ(game->winAnnouncement, 0);
    int revealed = -1;
    for (int i = 0; i < kGridCells; ++i) {
      if (before.cells[i] != game->field.cells[i]) {
        EXPECT_EQ(before.cells[i], 0);
        EXPECT_EQ(game->field.cells[i], completion.cells[i]);
        revealed = game->field.cells[i] - PieceCellValue(0);
      }
    }
    EXPECT_EQ(PiecesOn(game->field), PiecesOn(before) + 1);
    ASSERT_GE(revealed, 0);
    EXPECT_TRUE(GridEquals(game->pieceGrids[revealed], PieceCells(completion, revealed)));
    EXPECT_TRUE(GridEquals(game->WorkGrid, game->pieceGrids[revealed]));
  }
  EXPECT_TRUE(GridEquals(game->field, completion));
}

TEST_F(AnalyseTest, HintDrawsThePieceFromTheSeededSource) {
  const auto revealedWith = [&](unsigned seed) {
    game->field.Clear();
    game->randomSource.seed(seed);
    Analyse(AnalyseMode::Hint);
    for (int k = 0; k < kPieceCount; ++k) {
      if (GridHasCells(PieceCells(game->field, k))) {
        return k;
      }
    }
    return -1;
  };
  EXPECT_EQ(revealedWith(99), revealedWith(99));
  std::set<int> pieces;
  for (unsigned seed = 1; seed <= 100 && pieces.size() < kPieceCount; ++seed) {
    pieces.insert(revealedWith(seed));
  }
  EXPECT_EQ(pieces.size(), 7u) << "every piece can be drawn";
}

TEST_F(AnalyseTest, AHiddenPieceRevealedByHintStaysHidden) {
  game->hideFlags.fill(1);
  Analyse(AnalyseMode::Hint);
  EXPECT_EQ(game->hideFlags, (std::array<std::uint8_t, kPieceCount>{1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(PiecesOn(game->field), 1);
}

TEST_F(AnalyseTest, HintWithEveryPieceOnTheFieldRevealsNothingYetPasses) {
  for (const Placement& p : kDefaultFigureSolution) {
    Lay(p);
  }
  game->winAnnouncement = 1;
  platform.messages.clear();
  const CellGrid field = game->field;
  Analyse(AnalyseMode::Hint);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Test is passed successfully"});
  EXPECT_EQ(game->winAnnouncement, 0);
  EXPECT_TRUE(GridEquals(game->field, field));
}

TEST_F(AnalyseTest, CompletingByHandAfterAHintIsNotCongratulated) {
  const CellGrid completion = TestCompletion();
  Analyse(AnalyseMode::Hint);
  platform.messages.clear();
  for (int k = 0; k < kPieceCount; ++k) {
    if (!GridHasCells(PieceCells(game->field, k))) {
      LayAsIn(completion, k);
    }
  }
  EXPECT_TRUE(GridEquals(game->field, completion)) << "all seven were laid";
  EXPECT_TRUE(Texts().empty());
  EXPECT_TRUE(platform.sounds.empty());
}

TEST_F(AnalyseTest, ShowAllDeclinedChangesNothingAndTheWinIsStillCongratulated) {
  const CellGrid completion = TestCompletion();
  const Visible before(*game);
  const CellGrid work = game->WorkGrid;
  const int invalidations = platform.invalidations;
  Analyse(AnalyseMode::ShowAll);  // the fake answers No
  ASSERT_EQ(Texts(), std::vector<std::string>{"Are you shure?"});
  EXPECT_EQ(platform.messages[0].style, MessageStyle::Question);
  EXPECT_EQ(platform.messages[0].caption, "Kelvane");
  EXPECT_TRUE(Visible(*game) == before);
  EXPECT_TRUE(GridEquals(game->WorkGrid, work)) << "no search ran";
  EXPECT_EQ(platform.invalidations, invalidations);
  for (int k = 0; k < kPieceCount; ++k) {
    LayAsIn(completion, k);
  }
  EXPECT_EQ(Texts().back(), "Congratulations! The game is won.");
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
