// SPDX-License-Identifier: GPL-3.0-or-later
// Quarter turns, the orientation tables and the orientation menus.
#include "model/orientation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>
#include <vector>

#include "model/cell_grid.h"
#include "model/game.h"
#include "model/orientation_menus.h"
#include "model/pieces.h"
#include "support/test_game.h"

namespace kelvane {
namespace {

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

TEST(QuarterTurns, MoveCellsWithinTheExtentsBoxAndFourGiveTheGridBack) {
  const struct {
    void (*turn)(CellGrid&);
    std::array<std::array<int, 3>, 3> cells;
  } cases[] = {
      {RotateAboutZ, {{{2, 0, 0}, {2, 1, 0}, {0, 0, 1}}}},  // (x, y, z) -> (Y-1-y, x, z)
      {RotateAboutY, {{{0, 0, 1}, {0, 0, 0}, {1, 2, 1}}}},  // (x, y, z) -> (z, y, X-1-x)
      {RotateAboutX, {{{0, 1, 0}, {1, 1, 0}, {0, 0, 2}}}},  // (x, y, z) -> (x, Z-1-z, y)
  };
  for (const auto& c : cases) {
    CellGrid grid;
    grid.at(0, 0, 0) = grid.at(1, 0, 0) = grid.at(0, 2, 1) = 2;  // extents 2, 3, 2
    const CellGrid start = grid;
    c.turn(grid);
    CellGrid expected;
    for (const auto& [x, y, z] : c.cells) {
      expected.at(x, y, z) = 2;
    }
    EXPECT_TRUE(GridEquals(grid, expected));
    for (int i = 0; i < 3; ++i) {
      c.turn(grid);
    }
    EXPECT_TRUE(GridEquals(grid, start));
    CellGrid empty;
    c.turn(empty);
    EXPECT_FALSE(GridHasCells(empty));
  }
}

// Each table keeps the first of each orientation in generation order, clears the slots beyond
// its count, and leaves the piece's own grid as it was.
TEST(OrientationTables, KeepTheFirstOfEachOrientationInGenerationOrder) {
  // Runs of surviving scratch grids, first and last.
  const std::array<std::vector<std::pair<int, int>>, kPieceCount> surviving{{
      {{0, 19}, {24, 27}},
      {{0, 5}, {12, 13}, {16, 19}},
      {{0, 7}, {16, 17}, {24, 25}},
      {{0, 7}, {16, 19}},
      {{0, 11}},
      {{0, 7}},
      {{0, 7}, {16, 19}},
  }};
  const auto game = testing::NewInitialisedGame();
  for (int k = 0; k < kPieceCount; ++k) {
    SCOPED_TRACE("piece " + std::to_string(k + 1));
    int s = 0;
    for (const auto& [first, last] : surviving[k]) {
      for (int scratch = first; scratch <= last; ++scratch, ++s) {
        EXPECT_TRUE(GridEquals(OrientationSlot(*game, k, s), GeneratedOrientation(k, scratch)))
            << "slot " << s << " should be scratch " << scratch;
      }
    }
    EXPECT_EQ(game->orientationCounts[k], s);
    for (; s < kOrientationSlots; ++s) {
      EXPECT_FALSE(GridHasCells(OrientationSlot(*game, k, s))) << "slot " << s;
    }
    EXPECT_TRUE(GridEquals(game->pieceGrids[k], BasePiece(k)));
  }
}

TEST(OrientationMenus, LayOutNumberedItemsInColumns) {
  // Each menu's item count and the items that open a new column.
  const std::tuple<int, std::size_t, std::vector<std::size_t>> menus[] = {
      {130, 8, {}}, {131, 12, {6}}, {132, 24, {8, 16}}};
  for (const auto& [menuId, count, columnStarts] : menus) {
    const OrientationMenu menu = OrientationMenuLayout(menuId);
    ASSERT_EQ(menu.items.size(), count);
    for (std::size_t i = 0; i < count; ++i) {
      EXPECT_EQ(std::string(menu.items[i].label), std::to_string(i + 1));
      EXPECT_EQ(OrientationIndexFromCommand(menu.items[i].commandId), static_cast<int>(i));
      EXPECT_EQ(menu.items[i].startsColumn, std::ranges::count(columnStarts, i) == 1)
          << "menu " << menuId << " item " << i;
    }
  }
  EXPECT_EQ(OrientationMenuLayout(132).items.back().commandId, 32838);
  // Every id off the menus, the unused ones between them included, means the last slot.
  for (const int id : {32773, 32788, 40000}) {
    EXPECT_EQ(OrientationIndexFromCommand(id), 23) << id;
  }
}

}  // namespace
}  // namespace kelvane
