// SPDX-License-Identifier: GPL-3.0-or-later
// The solver: which completion it finds, and when there is none.
#include "analysis/solver.h"

#include <gtest/gtest.h>

#include <random>

#include "figures.h"
#include "model/orientation.h"
#include "model/placement.h"

namespace kelvane::testing {
namespace {

// Every piece's cells in `grid`, shifted to the origin, are one of its orientations.
void ExpectEveryPieceIsAnOrientation(const Game& game, const CellGrid& grid) {
  for (int k = 0; k < kPieceCount; ++k) {
    CellGrid piece = grid;
    for (std::int8_t& cell : piece.cells) {
      cell = cell == PieceCellValue(k) ? cell : 0;
    }
    NormaliseGrid(piece);
    bool found = false;
    for (int slot = 0; slot < game.orientationCounts[k]; ++slot) {
      found = found || GridEquals(piece, OrientationSlot(game, k, slot));
    }
    EXPECT_TRUE(found) << "piece " << k + 1;
  }
}

// The seven pieces laid at random, without overlap, into a box of the given size, each cell in
// its piece's value: a figure that is solvable by construction.
CellGrid RandomPacking(const Game& game, std::mt19937& random, int sizeX, int sizeY, int sizeZ) {
  for (;;) {
    CellGrid packing;
    int laid = 0;
    for (int k = 0; k < kPieceCount; ++k) {
      for (int attempt = 0; attempt < 200 && laid == k; ++attempt) {
        const CellGrid& shape = OrientationSlot(game, k, random() % game.orientationCounts[k]);
        const Cell anchor{static_cast<int>(random() % sizeX), static_cast<int>(random() % sizeY),
                          static_cast<int>(random() % sizeZ)};
        CellGrid trial = packing;
        bool fits = true;
        for (int i = 0; i < kGridCells && fits; ++i) {
          if (shape.cells[i] == 0) {
            continue;
          }
          const int x = anchor.x + i % kGridSize;
          const int y = anchor.y + i / kGridSize % kGridSize;
          const int z = anchor.z + i / (kGridSize * kGridSize);
          fits = x < sizeX && y < sizeY && z < sizeZ && trial.at(x, y, z) == 0;
          if (fits) {
            trial.at(x, y, z) = PieceCellValue(k);
          }
        }
        if (fits) {
          packing = trial;
          ++laid;
        }
      }
    }
    if (laid == kPieceCount) {
      return packing;
    }
  }
}

// Guards against pruning that cuts a subtree holding a completion, which would make the search
// answer with a later completion (or none) than the plain order finds. Some pieces start on the
// Field so that the plain search stays quick; half the figures have one cube moved away.
TEST(SolveFrom, FindsTheCompletionOfThePlainSearchOrder) {
  std::mt19937 random(2026);
  auto game = NewInitialisedGame();
  int solvable = 0;
  const int rounds = 40;
  for (int round = 0; round < rounds; ++round) {
    // Never 3 × 3 × 3, so that the box always has an empty cell to move a cube to.
    const int sizeX = 3 + round % 2;
    const int sizeY = 4;
    const CellGrid packing = RandomPacking(*game, random, sizeX, sizeY, 3);
    game->figure = packing;
    RecolourGrid(game->figure, kPlainCube);
    game->field = packing;
    const int keptPieces = 3;
    for (int k = kPieceCount - 1, kept = 0; k >= 0; --k) {
      if (kept < keptPieces && random() % 2 == 0) {
        ++kept;
      } else {
        ClearCellValue(game->field, PieceCellValue(k));
      }
    }
    if (round % 4 >= 2) {
      // Moves a free figure cube to an empty cell of the box.
      const auto cellWhere = [&](auto wanted) {
        for (int i = static_cast<int>(random() % kGridCells);; i = (i + 1) % kGridCells) {
          const bool inBox = i % kGridSize < sizeX && i / kGridSize % kGridSize < sizeY &&
                             i / (kGridSize * kGridSize) < 3;
          if (inBox && wanted(i)) {
            return i;
          }
        }
      };
      const int from =
          cellWhere([&](int i) { return game->figure.cells[i] != 0 && game->field.cells[i] == 0; });
      const int to = cellWhere([&](int i) { return game->figure.cells[i] == 0; });
      game->figure.cells[from] = 0;
      game->figure.cells[to] = kPlainCube;
    }
    CellGrid expected;
    const bool plainSolved = PlainCompletion(*game, expected);
    EXPECT_EQ(SolveField(*game), plainSolved) << "round " << round;
    EXPECT_TRUE(GridEquals(game->WorkGrid, expected)) << "round " << round;
    solvable += plainSolved ? 1 : 0;
  }
  EXPECT_GT(solvable, rounds / 4) << "the rounds should hold solvable positions";
  EXPECT_LT(solvable, rounds) << "the rounds should hold unsolvable positions";
}

// Piece 7 (three cubes, bent) laid on the Field with its bend at `bend`, its arms along x and z.
CellGrid PieceSevenAt(Cell bend) {
  CellGrid field;
  for (const Cell& c : {bend, Cell{bend.x + 1, bend.y, bend.z}, Cell{bend.x, bend.y, bend.z + 1}}) {
    field.at(c.x, c.y, c.z) = PieceCellValue(6);
  }
  return field;
}

// 216 cubes, no two touching: no piece fits anywhere.
CellGrid LooseCubes() {
  CellGrid figure;
  for (int i = 0; i < 12 * 12 * 12; ++i) {
    figure.at(i % 12, i / 12 % 12, i / 144) = (i % 12 + i / 12 % 12 + i / 144) % 2 ? 0 : kPlainCube;
  }
  return figure;
}

// Each figure solved or not as the plain search order says, with the same completion: every
// piece one of its orientations, 27 cells, the player's pieces kept and the Field untouched.
TEST(SolveFrom, FindsThePlainSearchCompletionOrNone) {
  CellGrid missingOne = Block(3, 3, 3);
  missingOne.at(2, 2, 2) = 0;
  const struct {
    const char* name;
    CellGrid figure;
    CellGrid field;
    bool solvable;
  } cases[] = {
      {"cube", Block(3, 3, 3), {}, true},
      {"piece 7 kept on an edge", Block(3, 3, 3), PieceSevenAt({1, 0, 0}), true},
      {"piece 7 blocking in a corner", Block(3, 3, 3), PieceSevenAt({0, 0, 0}), false},
      {"surplus cells stay empty", Block(3, 3, 4), {}, true},
      {"a cell too few", missingOne, {}, false},
      {"empty figure", {}, {}, false},
      {"cells beyond the first 64", CubeAboveLooseCubes(), {}, true},
      {"too large for the cell sets", Block(6, 6, 6), {}, true},
      {"large and loose", LooseCubes(), {}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto game = GameOn(c.figure);
    game->field = c.field;
    CellGrid expected;
    ASSERT_EQ(PlainCompletion(*game, expected), c.solvable);
    EXPECT_EQ(SolveField(*game), c.solvable);
    EXPECT_TRUE(GridEquals(game->WorkGrid, c.solvable ? expected : c.field));
    EXPECT_TRUE(GridEquals(game->field, c.field)) << "the search works in WorkGrid only";
    if (c.solvable) {
      EXPECT_EQ(CountCells(game->WorkGrid), 27);
      ExpectEveryPieceIsAnOrientation(*game, game->WorkGrid);
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

TEST(SolveFrom, SucceedsAtOnceWhenAllSevenPiecesAreOnTheField) {
  auto game = GameOn(Block(3, 3, 3));
  ASSERT_TRUE(SolveField(*game));
  game->field = game->WorkGrid;
  game->WorkGrid.Clear();
  EXPECT_TRUE(SolveFrom(*game, 0, GridExtents(game->figure)));
  EXPECT_FALSE(GridHasCells(game->WorkGrid)) << "nothing is laid";
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

}  // namespace
}  // namespace kelvane::testing
