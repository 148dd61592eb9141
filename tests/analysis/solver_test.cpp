// SPDX-License-Identifier: GPL-3.0-or-later
// The solver: which completion it finds, and when there is none.
#include "analysis/solver.h"

#include <gtest/gtest.h>

#include "analysis/analyse.h"
#include "figures.h"

namespace kelvane::testing {
namespace {

// Each figure solved or not as the plain search order says, with the same completion, the
// player's pieces kept and the Field untouched. Guards the search's pruning, which must never cut
// a subtree holding the plain order's completion.
TEST(SolveFrom, FindsThePlainSearchCompletionOrNone) {
  CellGrid missingOne = Block(3, 3, 3);
  missingOne.at(2, 2, 2) = 0;
  CellGrid looseSurplus = Block(3, 3, 3);
  looseSurplus.at(4, 0, 0) = kPlainCube;
  const struct {
    const char* name;
    CellGrid figure;
    CellGrid field;
    bool solvable;
  } cases[] = {
      {"cube", Block(3, 3, 3), {}, true},
      {"piece 7 kept on an edge", Block(3, 3, 3), PieceSevenAt(1), true},
      {"piece 7 blocking in a corner", Block(3, 3, 3), PieceSevenAt(0), false},
      {"all seven on the Field", Block(3, 3, 3), SolvedCube(), true},
      {"surplus cells stay empty", Block(3, 3, 4), {}, true},
      {"one surplus cube that no piece reaches", looseSurplus, {}, true},
      {"a cell too few", missingOne, {}, false},
      {"empty figure", {}, {}, false},
      {"cells beyond the first 64", CubeAboveLooseCubes(), {}, true},
      {"too large for the cell sets", Block(6, 6, 6), {}, true},
      {"large and loose", LooseCubes(12, 12), {}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto game = GameOn(c.figure);
    game->field = c.field;
    // The unsolvable ones are so by construction; proving it by the plain order takes seconds.
    CellGrid expected = c.field;
    ASSERT_TRUE(!c.solvable || PlainCompletion(*game, expected));
    EXPECT_EQ(SolveField(*game), c.solvable);
    EXPECT_TRUE(GridEquals(game->WorkGrid, expected));
    EXPECT_TRUE(GridEquals(game->field, c.field)) << "the search works in WorkGrid only";
    if (c.solvable) {
      ExpectSevenWholePieces(*game, game->WorkGrid);
      for (int i = 0; i < kGridCells; ++i) {
        EXPECT_TRUE(c.field.cells[i] == 0 || game->WorkGrid.cells[i] == c.field.cells[i]);
      }
    }
  }
  // Pieces outside an empty Figure's box do not count as placed.
  auto game = GameOn(CellGrid{});
  for (int k = 0; k < kPieceCount; ++k) {
    game->field.at(k, 0, 0) = PieceCellValue(k);
  }
  EXPECT_FALSE(SolveField(*game));
}

TEST(SolveFrom, StartsAtTheGivenPiece) {
  auto game = GameOn(Block(3, 3, 3));
  game->WorkGrid = game->field;
  // From piece 7 on only the corner of three is laid.
  ASSERT_TRUE(SolveFrom(*game, 6, GridExtents(game->figure)));
  EXPECT_EQ(CountCells(game->WorkGrid), 3);
  EXPECT_EQ(game->WorkGrid.at(0, 0, 0), PieceCellValue(6));
}

TEST(SolveFrom, FailsForAPieceWithoutOrientations) {
  auto game = GameOn(Block(3, 3, 3));
  game->orientationCounts[3] = 0;
  EXPECT_FALSE(SolveField(*game));
  game->orientationCounts[3] = -5;
  EXPECT_FALSE(SolveField(*game));
}

// A raised stop ends either search with WorkGrid as it was, and the Analyse commands' search says
// it was stopped; a flat slab, which the plain order takes hours to give up on, is answered at
// once.
TEST(SolveFrom, StopsWhenAskedAndGivesUpOnASlabAtOnce) {
  const std::atomic<bool> stop = true;
  for (const CellGrid& figure : {Block(3, 3, 3), Block(6, 6, 6)}) {
    auto game = GameOn(figure);
    game->WorkGrid = game->field;
    EXPECT_FALSE(SolveFrom(*game, 0, GridExtents(figure), &stop));
    EXPECT_TRUE(GridEquals(game->WorkGrid, game->field));
    EXPECT_EQ(SearchCompletion(*game, &stop), std::nullopt);
  }
  EXPECT_EQ(SearchCompletion(*GameOn(Block(12, 12, 1))), false);
}

// The search asks once whether a long search is worth going on with: no ends it with WorkGrid as
// it was, yes finds the completion it finds without asking; a quick search never asks.
TEST(SolveFrom, AsksWhetherALongSearchIsWorthGoingOnWith) {
  auto game = GameOn(LibraryFigure("Tent"));
  game->WorkGrid = game->field;
  ASSERT_TRUE(SolveFrom(*game, 0, GridExtents(game->figure)));
  const CellGrid completion = game->WorkGrid;
  for (const bool worth : {false, true}) {
    int asked = 0;
    game->WorkGrid = game->field;
    EXPECT_EQ(SolveFrom(*game, 0, GridExtents(game->figure), nullptr,
                        [&] {
                          ++asked;
                          return worth;
                        }),
              worth);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(GridEquals(game->WorkGrid, worth ? completion : game->field));
  }
  auto cube = GameOn(Block(3, 3, 3));
  cube->WorkGrid = cube->field;
  EXPECT_TRUE(SolveFrom(*cube, 0, GridExtents(cube->figure), nullptr, [] { return false; }));
}

}  // namespace
}  // namespace kelvane::testing
