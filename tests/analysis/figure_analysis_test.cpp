// SPDX-License-Identifier: GPL-3.0-or-later
// Counts, distinct completions and "can it still be done?" on figures whose answers are known.
#include "analysis/figure_analysis.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "analysis/figure_symmetry.h"
#include "figures.h"
#include "storage/puzzle_file.h"
#include "storage/text_file.h"

namespace kelvane::testing {
namespace {

// Rows of '1' and '0' per layer, layer 0 first, row y = 0 first.
CellGrid FromLayers(const std::vector<std::vector<std::string_view>>& layers) {
  CellGrid grid;
  for (int z = 0; z < static_cast<int>(layers.size()); ++z) {
    for (int y = 0; y < static_cast<int>(layers[z].size()); ++y) {
      for (int x = 0; x < static_cast<int>(layers[z][y].size()); ++x) {
        grid.at(x, y, z) = layers[z][y][x] == '1' ? kPlainCube : kEmptyCell;
      }
    }
  }
  return grid;
}

// A tower that a half turn about its upright axis maps onto itself, and nothing else does.
CellGrid HalfTurnTower() {
  return FromLayers({{"011", "111", "110"},
                     {"110", "111", "011"},
                     {"101", "111", "101"},
                     {"110", "010", "011"},
                     {"000", "010", "000"}});
}

CellGrid Library(std::string_view name) {
  CellGrid figure;
  const auto text = ReadTextFile(std::string(KELVANE_SOURCE_DIR "/resources/Puzzles/") +
                                 std::string(name) + ".kvp");
  EXPECT_TRUE(text && ParsePuzzleText(*text, figure)) << name;
  return figure;
}

CellGrid MirrorX(const CellGrid& figure) {
  const Extents box = GridExtents(figure);
  CellGrid image;
  for (int i = 0; i < kGridCells; ++i) {
    if (figure.cells[i] != 0) {
      image.at(box.x - 1 - i % kGridSize, i / kGridSize % kGridSize, i / (kGridSize * kGridSize)) =
          kPlainCube;
    }
  }
  return image;
}

struct Known {
  const char* name;
  CellGrid figure;
  std::size_t symmetries;
  CompletionCounts counts;
};

TEST(FigureAnalysis, CountsCompletionsAndDistinctOnesOfKnownFigures) {
  const std::vector<Known> known{
      {"cube", Block(3, 3, 3), 48, {11520, 240}},
      {"flat wall (pieces 4, 5, 6 need depth)", Block(9, 3, 1), 8, {0, 0}},
      {"half-turn tower", HalfTurnTower(), 2, {2, 1}},
  };
  for (const Known& k : known) {
    SCOPED_TRACE(k.name);
    EXPECT_EQ(FigureSymmetries(k.figure).size(), k.symmetries);
    EXPECT_EQ(CountCompletions(k.figure), k.counts);
    auto game = GameOn(k.figure);
    const auto completions = DistinctCompletions(*game);
    ASSERT_TRUE(completions);
    ASSERT_EQ(completions->size(), k.counts.distinct);
    for (const Completion& completion : *completions) {
      CellGrid laid;
      LayCompletion(completion, laid);
      RecolourGrid(laid, kPlainCube);
      EXPECT_TRUE(GridEquals(laid, k.figure)) << "every completion fills the figure";
    }
    EXPECT_EQ(CanStillComplete(*game), k.counts.completions > 0);
  }
}

TEST(FigureAnalysis, MirrorImagesHaveTheSameCounts) {
  for (const char* name : {"Castle", "Fish", "Sofa", "Anvil"}) {
    const CellGrid figure = Library(name);
    EXPECT_EQ(CountCompletions(MirrorX(figure)), CountCompletions(figure)) << name;
  }
}

TEST(FigureAnalysis, DistinctLiesBetweenFullOverSymmetriesAndFull) {
  for (const char* name : {"Arch", "Letter G", "Church", "Castle"}) {
    const CellGrid figure = Library(name);
    const CompletionCounts counts = CountCompletions(figure).value();
    const std::size_t symmetries = FigureSymmetries(figure).size();
    EXPECT_GE(counts.distinct * symmetries, counts.completions) << name;
    EXPECT_LE(counts.distinct, counts.completions) << name;
    EXPECT_EQ(DistinctCompletions(*GameOn(figure))->size(), counts.distinct) << name;
  }
}

// Lays piece `k` (index) in each orientation slot at each anchor where it fits the figure.
template <typename Visit>
void ForEachPlacement(Game& game, int k, Visit visit) {
  const Extents box = GridExtents(game.figure);
  for (int slot = 0; slot < game.orientationCounts[k]; ++slot) {
    for (int anchor = 0; anchor < kGridCells; ++anchor) {
      game.field.Clear();
      bool fits = true;
      for (int i = 0; i < kGridCells && fits; ++i) {
        if (game.orientationTables[kOrientationSlots * k + slot].cells[i] != 0) {
          const int t = anchor + i;
          fits = t < kGridCells && i % kGridSize + anchor % kGridSize < box.x &&
                 i / kGridSize % kGridSize + anchor / kGridSize % kGridSize < box.y &&
                 game.figure.cells[t] != 0;
          if (fits) {
            game.field.cells[t] = PieceCellValue(k);
          }
        }
      }
      if (fits) {
        visit();
      }
    }
  }
}

TEST(CanStillComplete, SaysNoExactlyWhereASingleLaidPieceBlocksEveryCompletion) {
  auto game = GameOn(Block(3, 3, 3));
  int blocked = 0;
  ForEachPlacement(*game, 6, [&] {
    const bool can = CanStillComplete(*game).value();
    EXPECT_EQ(can, CountCompletions(game->figure, game->field)->completions > 0);
    blocked += can ? 0 : 1;
  });
  EXPECT_GT(blocked, 0) << "piece 7 bent round a corner of the cube blocks it";
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
