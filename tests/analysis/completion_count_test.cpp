// SPDX-License-Identifier: GPL-3.0-or-later
// Counting every completion, as the designers' tool reports it.
#include "analysis/figure_analysis.h"

#include <gtest/gtest.h>

#include "figures.h"
#include "model/orientation.h"

namespace kelvane::testing {
namespace {

std::optional<std::uint64_t> Completions(const Game& game) {
  const std::optional<CompletionCounts> counts = CountCompletions(game.figure, game.field);
  return counts ? std::optional(counts->completions) : std::nullopt;
}

// Guards the use of the figure's symmetry: with piece 6 fixed in each of its places the
// positions keep fewer (or no) turns, and their counts must still add up to the whole.
TEST(CountCompletions, SplitsByWhereAPieceLies) {
  auto game = GameOn(Block(3, 3, 3));
  const std::uint64_t total = Completions(*game).value();
  std::uint64_t sum = 0;
  for (int slot = 0; slot < game->orientationCounts[5]; ++slot) {
    for (int z = 0; z < 3; ++z) {
      for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
          game->field.Clear();
          bool fits = true;
          const CellGrid& shape = OrientationSlot(*game, 5, slot);
          for (int i = 0; i < kGridCells && fits; ++i) {
            if (shape.cells[i] != 0) {
              const int t = i + CellGrid::Index(x, y, z);
              fits = i % kGridSize + x < kGridSize && game->figure.cells[t] != 0;
              game->field.cells[t] = PieceCellValue(5);
            }
          }
          if (fits) {
            sum += Completions(*game).value();
          }
        }
      }
    }
  }
  EXPECT_EQ(sum, total) << "each completion has piece 6 in exactly one place";
}

TEST(CountCompletions, CountsEachWayToLeaveASurplusCellEmpty) {
  auto game = NewInitialisedGame();  // on the default figure
  game->figure.at(0, 0, 3) = kPlainCube;
  const CellGrid figure = game->figure;
  const std::uint64_t total = Completions(*game).value();
  std::uint64_t sum = 0;
  for (int i = 0; i < kGridCells; ++i) {
    if (figure.cells[i] != 0) {
      game->figure.cells[i] = 0;
      sum += Completions(*game).value();
      game->figure.cells[i] = kPlainCube;
    }
  }
  EXPECT_EQ(sum, total) << "each completion leaves exactly one of the 28 cells empty";
}

TEST(CountCompletions, LeavesCellsThatNoPieceCanUseEmpty) {
  auto game = GameOn(CubeAboveLooseCubes());
  EXPECT_EQ(Completions(*game), 11520u);
}

TEST(CountCompletions, CountsFromThePiecesOnTheField) {
  auto game = GameOn(Block(3, 3, 3));
  game->field.at(0, 0, 0) = PieceCellValue(6);  // the bend of piece 7 in a corner
  game->field.at(1, 0, 0) = PieceCellValue(6);
  game->field.at(0, 0, 1) = PieceCellValue(6);
  EXPECT_EQ(Completions(*game), 0u);
  game->field.Clear();
  ASSERT_TRUE(SolveField(*game));
  game->field = game->WorkGrid;
  EXPECT_EQ(Completions(*game), 1u) << "all seven placed: the one way is to lay nothing";
}

TEST(CountCompletions, DeclinesAFigureWithMoreFreeCellsThanItNumbers) {
  auto game = GameOn(Block(6, 6, 4));
  EXPECT_EQ(Completions(*game), std::nullopt);
}

}  // namespace
}  // namespace kelvane::testing
