// SPDX-License-Identifier: GPL-3.0-or-later
// The solution browser on the cube: from the player's pieces or the figure's own, and back.
#include "analysis/solution_browser.h"

#include <gtest/gtest.h>

#include "figures.h"
#include "model/move_history.h"

namespace kelvane::testing {
namespace {

TEST(SolutionBrowser, StepsRoundThePlayersCompletionsAndLeavesAsTheyWere) {
  auto game = GameOn(Block(3, 3, 3));
  const CellGrid solved = SolvedCube();
  for (int i = 0; i < kGridCells; ++i) {
    game->field.cells[i] = solved.cells[i] == PieceCellValue(6) ? PieceCellValue(6) : 0;
  }
  game->hideFlags[6] = 1;
  const auto player = std::make_unique<Game>(*game);
  SolutionBrowser browser;
  LeaveSolutions(*game, browser);
  EXPECT_FALSE(CanUndo(*game)) << "leaving while not browsing is no move";

  ASSERT_TRUE(StepSolutions(*game, browser, -1));
  const int count = static_cast<int>(browser.solutions.size());
  EXPECT_TRUE(browser.fromPlayersPieces);
  EXPECT_EQ(SolutionCaption(browser),
            "Solution " + std::to_string(count) + " of " + std::to_string(count));
  ASSERT_TRUE(StepSolutions(*game, browser, 1));
  EXPECT_EQ(SolutionCaption(browser), "Solution 1 of " + std::to_string(count));
  EXPECT_TRUE(IsBrowsing(*game, browser));
  ExpectSevenWholePieces(*game, game->field);
  for (int i = 0; i < kGridCells; ++i) {
    ASSERT_TRUE(player->field.cells[i] == 0 || game->field.cells[i] == player->field.cells[i]);
  }
  EXPECT_EQ(game->hideFlags[6], 0);

  LeaveSolutions(*game, browser);
  EXPECT_FALSE(IsBrowsing(*game, browser));
  EXPECT_TRUE(GridEquals(game->field, player->field));
  EXPECT_TRUE(GridEquals(game->pieceGrids[6], player->pieceGrids[6]));
  EXPECT_EQ(game->hideFlags, player->hideFlags);
}

TEST(SolutionBrowser, ShowsTheFiguresOwnCompletionsWhenThePlayersPiecesAllowNone) {
  auto game = GameOn(Block(3, 3, 3));
  game->field = PieceSevenAt(0);
  SolutionBrowser browser;
  ASSERT_TRUE(StepSolutions(*game, browser, 1));
  EXPECT_FALSE(browser.fromPlayersPieces);
  EXPECT_EQ(browser.solutions.size(), 240u);
  game->field.at(0, 0, 0) = kEmptyCell;
  EXPECT_FALSE(IsBrowsing(*game, browser)) << "any change on the Field ends browsing";

  auto wall = GameOn(Block(9, 3, 1));
  EXPECT_FALSE(StepSolutions(*wall, browser, 1));
  EXPECT_FALSE(CanUndo(*wall));
}

}  // namespace
}  // namespace kelvane::testing
