// SPDX-License-Identifier: GPL-3.0-or-later
// The solution browser on the cube: from the player's pieces or the figure's own, and back.
#include "analysis/solution_browser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

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
  const auto count = CountCompletions(game->figure, player->field)->distinct;
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
  EXPECT_EQ(SolutionCaption(browser), "Solution 1 of at least 4");
  game->field.at(0, 0, 0) = kEmptyCell;
  EXPECT_FALSE(IsBrowsing(*game, browser)) << "any change on the Field ends browsing";

  auto wall = GameOn(Block(9, 3, 1));
  EXPECT_FALSE(StepSolutions(*wall, browser, 1));
  EXPECT_FALSE(CanUndo(*wall));
}

// The solutions found a few at a time, forward or backward from any one of them, come in the
// order of the whole list as it was before it was found lazily (fingerprints of that list).
TEST(SolutionBrowser, FindsSolutionsLazilyInTheWholeListsOrder) {
  CellGrid surplus = Block(3, 3, 3);
  surplus.at(0, 0, 3) = kPlainCube;
  surplus.at(2, 2, 3) = kPlainCube;
  const struct {
    const char* name;
    CellGrid figure;
    CellGrid field;
    std::size_t size;
    std::uint64_t fingerprint;
  } known[] = {
      {"cube", Block(3, 3, 3), {}, 240, 0x7bfde27e8ae57929},
      {"cube, piece 7 on an edge", Block(3, 3, 3), PieceSevenAt(1), 207, 0xcffa9ccf556568fb},
      {"two surplus cubes", surplus, {}, 67557, 0x3caedef542dc96dd},
  };
  const auto fingerprint = [](const std::vector<Completion>& list) {
    std::uint64_t hash = 1469598103934665603u;
    for (const Completion& completion : list) {
      for (const auto& piece : completion.cells) {
        for (const std::int16_t index : piece) {
          hash = (hash ^ static_cast<std::uint16_t>(index)) * 1099511628211u;
        }
      }
    }
    return hash;
  };
  for (const auto& k : known) {
    SCOPED_TRACE(k.name);
    for (const bool backward : {false, true}) {
      std::vector<Completion> walked;
      for (std::optional<CompletionRun> run; !run || !run->reachedEnd;) {
        const std::optional<Completion> after =
            walked.empty() ? std::nullopt : std::optional(walked.back());
        run = FindDistinctCompletions(k.figure, k.field, after, 1000, backward, nullptr);
        ASSERT_TRUE(run);
        walked.insert(walked.end(), run->completions.begin(), run->completions.end());
      }
      if (backward) {
        std::ranges::reverse(walked);
      }
      EXPECT_EQ(walked.size(), k.size);
      EXPECT_EQ(fingerprint(walked), k.fingerprint);
    }
  }
  const std::atomic<bool> stop = true;
  EXPECT_FALSE(FindDistinctCompletions(Block(3, 3, 3), {}, std::nullopt, 1, false, &stop));
}

// Stepping on and back keeps only a window of solutions, numbers them right, and learns the total
// at the end of the list.
TEST(SolutionBrowser, StepsRoundTheWholeListWithABoundedWindow) {
  auto game = GameOn(Block(3, 3, 3));
  SolutionBrowser browser;
  for (int i = 0; i < 240; ++i) {
    ASSERT_TRUE(StepSolutions(*game, browser, 1));
    ASSERT_LE(browser.kept.size(), 32u);
  }
  // The last one found is not yet known to be the last.
  EXPECT_EQ(SolutionCaption(browser), "Solution 240 of at least 240");
  ASSERT_TRUE(StepSolutions(*game, browser, 1));
  EXPECT_EQ(SolutionCaption(browser), "Solution 1 of 240");
  const CellGrid first = game->field;
  for (int i = 0; i < 240; ++i) {
    ASSERT_TRUE(StepSolutions(*game, browser, -1));
  }
  EXPECT_EQ(SolutionCaption(browser), "Solution 1 of 240");
  EXPECT_TRUE(GridEquals(game->field, first));
}

}  // namespace
}  // namespace kelvane::testing
