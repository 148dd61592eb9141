// SPDX-License-Identifier: GPL-3.0-or-later
// Quarter turns, the orientation tables and the orientation menus.
#include "model/orientation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/command_ids.h"
#include "model/game.h"
#include "model/orientation_menus.h"
#include "support/test_game.h"

namespace kelvane {
namespace {

using testing::NewInitialisedGame;

CellGrid BasePiece(int k) {
  CellGrid grid;
  LayBasePiece(k, grid);
  return grid;
}

// The base shape after face turn f (0 none, 1-3 turns about y, 4-6 turns about x) and r turns
// about z: what generation writes to scratch grid 4f + r.
CellGrid GeneratedOrientation(int k, int scratchIndex) {
  CellGrid grid = BasePiece(k);
  const int face = scratchIndex / 4;
  for (int i = 0; i < face % 4 + (face >= 4 ? 1 : 0); ++i) {
    face < 4 ? RotateAboutY(grid) : RotateAboutX(grid);
  }
  for (int r = 0; r < scratchIndex % 4; ++r) {
    RotateAboutZ(grid);
  }
  return grid;
}

std::vector<int> Range(int from, int to) {
  std::vector<int> v;
  for (int i = from; i <= to; ++i) {
    v.push_back(i);
  }
  return v;
}

std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> v;
  for (const auto& p : parts) {
    v.insert(v.end(), p.begin(), p.end());
  }
  return v;
}

TEST(QuarterTurns, MoveCellsWithinTheExtentsBox) {
  CellGrid grid;
  grid.at(0, 0, 0) = 2;
  grid.at(1, 0, 0) = 2;
  grid.at(0, 2, 1) = 2;  // extents 2, 3, 2

  CellGrid z = grid;
  RotateAboutZ(z);  // (x, y, z) -> (Y-1-y, x, z)
  EXPECT_EQ(z.at(2, 0, 0), 2);
  EXPECT_EQ(z.at(2, 1, 0), 2);
  EXPECT_EQ(z.at(0, 0, 1), 2);
  EXPECT_EQ(CountCells(z), 3);

  CellGrid y = grid;
  RotateAboutY(y);  // (x, y, z) -> (z, y, X-1-x)
  EXPECT_EQ(y.at(0, 0, 1), 2);
  EXPECT_EQ(y.at(0, 0, 0), 2);
  EXPECT_EQ(y.at(1, 2, 1), 2);
  EXPECT_EQ(CountCells(y), 3);

  CellGrid x = grid;
  RotateAboutX(x);  // (x, y, z) -> (x, Z-1-z, y)
  EXPECT_EQ(x.at(0, 1, 0), 2);
  EXPECT_EQ(x.at(1, 1, 0), 2);
  EXPECT_EQ(x.at(0, 0, 2), 2);
  EXPECT_EQ(CountCells(x), 3);
}

TEST(QuarterTurns, FourOfAKindGiveTheGridBackAndAnEmptyGridStaysEmpty) {
  for (void (*turn)(CellGrid&) : {RotateAboutZ, RotateAboutY, RotateAboutX}) {
    CellGrid grid = BasePiece(0);
    const CellGrid start = grid;
    for (int i = 0; i < 4; ++i) {
      turn(grid);
    }
    EXPECT_TRUE(GridEquals(grid, start));
    CellGrid empty;
    turn(empty);
    EXPECT_FALSE(GridHasCells(empty));
  }
}

class OrientationTables : public ::testing::Test {
 protected:
  std::unique_ptr<Game> game = NewInitialisedGame();
};

TEST_F(OrientationTables, HoldTheExpectedCountsAndEmptySlotsBeyondThem) {
  const std::array<int, kPieceCount> counts{24, 12, 12, 12, 12, 8, 12};
  for (int k = 0; k < kPieceCount; ++k) {
    EXPECT_EQ(game->orientationCounts[k], counts[k]) << "piece " << k + 1;
    for (int s = counts[k]; s < kOrientationSlots; ++s) {
      EXPECT_FALSE(GridHasCells(OrientationSlot(*game, k, s)))
          << "piece " << k + 1 << " slot " << s;
    }
  }
}

TEST_F(OrientationTables, KeepTheFirstOfEachOrientationInGenerationOrder) {
  const std::array<std::vector<int>, kPieceCount> surviving{
      Join({Range(0, 19), Range(24, 27)}),
      Join({Range(0, 5), {12, 13}, Range(16, 19)}),
      Join({Range(0, 7), {16, 17, 24, 25}}),
      Join({Range(0, 7), Range(16, 19)}),
      Range(0, 11),
      Range(0, 7),
      Join({Range(0, 7), Range(16, 19)}),
  };
  for (int k = 0; k < kPieceCount; ++k) {
    ASSERT_EQ(static_cast<int>(surviving[k].size()), game->orientationCounts[k]);
    for (std::size_t s = 0; s < surviving[k].size(); ++s) {
      EXPECT_TRUE(GridEquals(OrientationSlot(*game, k, static_cast<int>(s)),
                             GeneratedOrientation(k, surviving[k][s])))
          << "piece " << k + 1 << " slot " << s << " should be scratch " << surviving[k][s];
    }
  }
}

TEST_F(OrientationTables, HoldNormalisedPiecesThatFitTheSolversCorner) {
  for (int k = 0; k < kPieceCount; ++k) {
    for (int s = 0; s < game->orientationCounts[k]; ++s) {
      CellGrid slot = OrientationSlot(*game, k, s);
      const CellGrid before = slot;
      NormaliseGrid(slot);
      EXPECT_TRUE(GridEquals(slot, before)) << "piece " << k + 1 << " slot " << s;
      const Extents e = GridExtents(slot);
      EXPECT_LE(std::max({e.x, e.y, e.z}), 3);
      EXPECT_EQ(CountCells(slot), PieceCubeCount(k));
      EXPECT_EQ(std::count(slot.cells.begin(), slot.cells.end(), PieceCellValue(k)),
                PieceCubeCount(k));
      CellGrid turned = slot;
      for (int i = 0; i < 4; ++i) {
        RotateAboutZ(turned);
      }
      EXPECT_TRUE(GridEquals(turned, slot));
    }
  }
}

TEST_F(OrientationTables, NeverTurnPieceFourIntoItsMirrorImagePieceFive) {
  for (int a = 0; a < game->orientationCounts[3]; ++a) {
    for (int b = 0; b < game->orientationCounts[4]; ++b) {
      CellGrid four = OrientationSlot(*game, 3, a);
      CellGrid five = OrientationSlot(*game, 4, b);
      RecolourGrid(four, 1);
      RecolourGrid(five, 1);
      EXPECT_FALSE(GridEquals(four, five)) << "slots " << a << " and " << b;
    }
  }
}

TEST_F(OrientationTables, LeaveThePieceGridsAsTheyWere) {
  for (int k = 0; k < kPieceCount; ++k) {
    EXPECT_TRUE(GridEquals(game->pieceGrids[k], BasePiece(k)));
  }
}

TEST(OrientationMenus, LayOutNumberedItemsInColumns) {
  struct Expected {
    int menuId;
    std::size_t items;
    std::vector<int> columnStarts;  // command ids of the items that open a column
  };
  for (const Expected& e :
       {Expected{130, 8, {}}, Expected{131, 12, {32784}}, Expected{132, 24, {32796, 32824}}}) {
    const OrientationMenu menu = OrientationMenuLayout(e.menuId);
    EXPECT_EQ(menu.menuId, e.menuId);
    ASSERT_EQ(menu.items.size(), e.items);
    std::vector<int> starts;
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
      EXPECT_EQ(std::string(menu.items[i].label), std::to_string(i + 1));
      EXPECT_EQ(OrientationIndexFromCommand(menu.items[i].commandId), static_cast<int>(i));
      if (menu.items[i].startsColumn) {
        starts.push_back(menu.items[i].commandId);
      }
    }
    EXPECT_EQ(starts, e.columnStarts) << "menu " << e.menuId;
  }
  EXPECT_EQ(OrientationMenuLayout(132).items.back().commandId, 32838);
  // Every id off the menus, the unused ones between them included, means the last slot.
  for (const int id : {32773, 32788, 40000}) {
    EXPECT_EQ(OrientationIndexFromCommand(id), 23) << id;
  }
}

}  // namespace
}  // namespace kelvane
