// SPDX-License-Identifier: GPL-3.0-or-later
// Counts, distinct completions and "can it still be done?" on positions whose answers are known.
#include "analysis/figure_analysis.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string_view>
#include <vector>

#include "analysis/figure_symmetry.h"
#include "analysis/player_count.h"
#include "figures.h"

namespace kelvane::testing {
namespace {

// Every count agrees with the list of distinct completions and with "can it still be done?",
// and each listed completion lays seven whole pieces over the figure around the laid ones.
TEST(FigureAnalysis, CountsCompletionsAndDistinctOnesOfKnownPositions) {
  // A tower that a half turn about its upright axis maps onto itself, and nothing else does:
  // rows of 3 cells, layer by layer upward.
  CellGrid tower;
  const std::string_view rows =
      "011111110"
      "110111011"
      "101111101"
      "110010011"
      "000010000";
  for (int i = 0; i < 45; ++i) {
    tower.at(i % 3, i / 3 % 3, i / 9) = rows[i] == '1' ? kPlainCube : kEmptyCell;
  }
  const struct {
    const char* name;
    CellGrid figure;
    CellGrid field;
    std::size_t symmetries;
    std::optional<CompletionCounts> counts;
  } known[] = {
      {"cube", Block(3, 3, 3), {}, 48, CompletionCounts{11520, 240}},
      {"cube, piece 7 blocking a corner", Block(3, 3, 3), PieceSevenAt(0), 48,
       CompletionCounts{0, 0}},
      {"cube, all seven laid: the one way is to lay nothing", Block(3, 3, 3), SolvedCube(), 48,
       CompletionCounts{1, 1}},
      {"flat wall (pieces 4, 5, 6 need depth)", Block(9, 3, 1), {}, 8, CompletionCounts{0, 0}},
      {"half-turn tower", tower, {}, 2, CompletionCounts{2, 1}},
      {"loose surplus cubes", CubeAboveLooseCubes(), {}, 2, CompletionCounts{11520, 5760}},
  };
  for (const auto& k : known) {
    SCOPED_TRACE(k.name);
    auto game = GameOn(k.figure);
    game->field = k.field;
    EXPECT_EQ(FigureSymmetries(k.figure).size(), k.symmetries);
    EXPECT_EQ(CountCompletions(k.figure, k.field), k.counts);
    const auto completions = DistinctCompletions(*game);
    ASSERT_EQ(completions.has_value(), k.counts.has_value());
    EXPECT_EQ(CanStillComplete(*game).has_value(), k.counts.has_value());
    if (!k.counts) {
      continue;
    }
    EXPECT_EQ(CanStillComplete(*game), k.counts->completions > 0);
    ASSERT_EQ(completions->size(), k.counts->distinct);
    for (const Completion& completion : *completions) {
      CellGrid laid;
      LayCompletion(completion, laid);
      ExpectSevenWholePieces(*game, laid);
      for (int i = 0; i < kGridCells; ++i) {
        ASSERT_TRUE(laid.cells[i] == 0 || k.figure.cells[i] != 0) << "a cube off the figure";
        ASSERT_TRUE(k.field.cells[i] == 0 || laid.cells[i] == k.field.cells[i]) << "moved";
      }
    }
  }
}

// Counts past 128 free cells agree with the same figure below; a stopped count says so, and a
// memo with no room still counts right.
TEST(FigureAnalysis, CountsAnyFigureAndStopsWhenAsked) {
  EXPECT_EQ(CountCompletions(CubeAboveLooseCubes(11)), (CompletionCounts{11520, 5760}));
  EXPECT_EQ(CanStillComplete(*GameOn(CubeAboveLooseCubes(11))), true);
  const std::atomic<bool> stop = true;
  CountLimits cancelled;
  cancelled.cancel = &stop;
  // Each look at the clock finds a second gone.
  auto now = std::chrono::steady_clock::time_point{};
  CountLimits timed;
  timed.timeLimit = std::chrono::seconds(3);
  timed.clock = [&now] { return now += std::chrono::seconds(1); };
  CountLimits noMemo;
  noMemo.memoBytes = 0;
  const struct {
    const char* name;
    const CountLimits& limits;
    CellGrid figure;
    bool finished;
  } known[] = {
      {"cancelled", cancelled, Block(3, 3, 3), false},
      {"out of time", timed, Block(6, 6, 4), false},
      {"memo without room", noMemo, Block(3, 3, 3), true},
  };
  for (const auto& k : known) {
    SCOPED_TRACE(k.name);
    const CountOutcome outcome = CountCompletions(k.figure, CellGrid{}, k.limits);
    EXPECT_EQ(outcome.finished, k.finished);
    EXPECT_EQ(outcome.counts.completions, k.finished ? 11520u : 0u);
  }
  EXPECT_EQ(CanStillComplete(*GameOn(Block(3, 3, 3)), cancelled), std::nullopt);
}

// A player's count is dropped when stopped and called too many once its time is out, so a large
// drawn figure neither blocks nor runs on unseen.
TEST(FigureAnalysis, PlayerCountsStopOrGiveUpInTime) {
  const std::atomic<bool> stop = true;
  const std::atomic<bool> go = false;
  auto now = std::chrono::steady_clock::time_point{};
  const CountClock hours = [&now] { return now += std::chrono::hours(1); };
  EXPECT_EQ(CountForPlayer(Block(3, 3, 3), {}, stop), std::nullopt);
  EXPECT_EQ(CompletableForPlayer(Block(3, 3, 3), {}, stop), std::nullopt);
  const std::optional<PlayerCount> slow = CountForPlayer(Block(5, 5, 5), {}, go, hours);
  ASSERT_TRUE(slow);
  EXPECT_EQ(CountsWording(*slow), "too many to count");
  const std::optional<PlayerCount> cube = CountForPlayer(Block(3, 3, 3), {}, go);
  ASSERT_TRUE(cube && !cube->tooMany);
  EXPECT_EQ(CountsWording(*cube), "11,520 completions · 240 distinct · Easy");
  EXPECT_EQ(CountsWording({{1, 1}}), "1 completion · 1 distinct · Expert");
}

// Mirror images have the same counts, and the distinct completions lie between the full count
// over the symmetries and the full count.
TEST(FigureAnalysis, LibraryCountsAgreeWithMirrorImagesAndSymmetries) {
  for (const char* name : {"Castle", "Fish", "Sofa", "Anvil", "Arch", "Letter G", "Church"}) {
    SCOPED_TRACE(name);
    const CellGrid figure = LibraryFigure(name);
    const CompletionCounts counts = CountCompletions(figure).value();
    CellGrid mirror;
    for (int i = 0; i < kGridCells; ++i) {
      if (figure.cells[i] != 0) {
        mirror.cells[i - 2 * (i % kGridSize) + GridExtents(figure).x - 1] = kPlainCube;
      }
    }
    EXPECT_EQ(CountCompletions(mirror), counts);
    EXPECT_GE(counts.distinct * FigureSymmetries(figure).size(), counts.completions);
    EXPECT_LE(counts.distinct, counts.completions);
    EXPECT_EQ(DistinctCompletions(*GameOn(figure))->size(), counts.distinct);
  }
}

// With piece 7 laid in each of its places in the cube the positions keep fewer (or no) turns:
// guards the use of the symmetry, since their counts must still add up to the whole, and "can
// it still be done?" must say no exactly where the count is 0.
TEST(FigureAnalysis, CountsSplitByWhereAPieceLies) {
  auto game = GameOn(Block(3, 3, 3));
  const std::uint64_t total = CountCompletions(game->figure)->completions;
  std::uint64_t sum = 0;
  int blocked = 0;
  for (int slot = 0; slot < game->orientationCounts[6]; ++slot) {
    for (int a = 0; a < 27; ++a) {
      game->field.Clear();
      bool fits = true;
      for (int i = 0; i < kGridCells && fits; ++i) {
        if (OrientationSlot(*game, 6, slot).cells[i] != 0) {
          const int t = CellGrid::Index(a % 3, a / 3 % 3, a / 9) + i;
          fits = game->figure.cells[t] != 0;
          game->field.cells[t] = PieceCellValue(6);
        }
      }
      if (fits) {
        const std::uint64_t count = CountCompletions(game->figure, game->field)->completions;
        EXPECT_EQ(CanStillComplete(*game), count > 0);
        sum += count;
        blocked += count == 0 ? 1 : 0;
      }
    }
  }
  EXPECT_EQ(sum, total) << "each completion has piece 7 in exactly one place";
  EXPECT_GT(blocked, 0) << "piece 7 bent round a corner of the cube blocks it";
}

TEST(FigureAnalysis, CountsEachWayToLeaveASurplusCellEmpty) {
  CellGrid figure = NewInitialisedGame()->figure;
  figure.at(0, 0, 3) = kPlainCube;
  const std::uint64_t total = CountCompletions(figure)->completions;
  std::uint64_t sum = 0;
  for (int i = 0; i < kGridCells; ++i) {
    if (figure.cells[i] != 0) {
      figure.cells[i] = 0;
      sum += CountCompletions(figure)->completions;
      figure.cells[i] = kPlainCube;
    }
  }
  EXPECT_EQ(sum, total) << "each completion leaves exactly one of the 28 cells empty";
}

// A lone cube far off, which no piece reaches, sends the count down the search that may leave
// cells empty: it must agree with the one for figures the pieces fill, pruning and all.
TEST(FigureAnalysis, FilledFiguresCountAsWithALoneSurplusCube) {
  for (const auto& entry :
       std::filesystem::directory_iterator(KELVANE_SOURCE_DIR "/bench/data/counts")) {
    SCOPED_TRACE(entry.path().filename().string());
    CellGrid figure;
    ASSERT_TRUE(ParsePuzzleText(ReadTextFile(entry.path()).value(), figure));
    const std::uint64_t filled = CountCompletions(figure)->completions;
    figure.at(kGridSize - 1, kGridSize - 1, kGridSize - 1) = kPlainCube;
    EXPECT_EQ(CountCompletions(figure)->completions, filled);
  }
}

// Guards a mirror image that leaves the two screw pieces on each other's shapes.
TEST(FigureSymmetries, MapACompletionOntoACompletion) {
  auto game = GameOn(Block(3, 3, 3));
  const CellGrid solved = SolvedCube();
  for (const Symmetry& symmetry : FigureSymmetries(game->figure)) {
    CellGrid image;
    for (int i = 0; i < kGridCells; ++i) {
      if (solved.cells[i] != 0) {
        image.cells[symmetry.Apply(i, {3, 3, 3})] =
            static_cast<std::int8_t>(symmetry.ValueImage(solved.cells[i]));
      }
    }
    ExpectSevenWholePieces(*game, image);
  }
}

TEST(Tier, FollowsTheDistinctCompletions) {
  const std::vector<std::pair<std::uint64_t, std::string_view>> bounds{
      {0, "no completion"}, {1, "Expert"},  {2, "Expert"},  {3, "Hard"},
      {19, "Hard"},         {20, "Medium"}, {99, "Medium"}, {100, "Easy"}};
  for (const auto& [distinct, name] : bounds) {
    EXPECT_EQ(TierName(TierOf(distinct)), name) << distinct;
  }
}

}  // namespace
}  // namespace kelvane::testing
