// SPDX-License-Identifier: GPL-3.0-or-later
// The floor plate and the layer columns of the field view.
#include "render/helper_shapes.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

TEST(HelperShapes, PlateLiesUnderTheFootprintAndColumnsAtItsSideCornersInsideTheGrid) {
  const CellGrid columns = LayerColumns({3, 5, 3}, 1);
  EXPECT_EQ(CountCells(FloorPlate({3, 5, 3})), 15);
  EXPECT_EQ(CountCells(columns), 8);
  EXPECT_EQ(columns.at(0, 6, 1), kPlainCube);  // plain up to the level, marked above
  EXPECT_EQ(columns.at(4, 0, 2), kMarkedCell);
  // Regression: the helpers of a figure filling the grid were written past the grid's end.
  EXPECT_EQ(CountCells(FloorPlate({12, 12, 12})), 11 * 11);
  EXPECT_EQ(CountCells(LayerColumns({12, 12, 12}, 5)), 0);
  EXPECT_EQ(CountCells(LayerColumns({10, 11, 11}, 5)), 12);  // only the column at (11, 0)
}

}  // namespace
}  // namespace kelvane
