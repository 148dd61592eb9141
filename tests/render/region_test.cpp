// SPDX-License-Identifier: GPL-3.0-or-later
// The winding-rule polygons and their one coverage rule.
#include "render/region.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

// Pixels whose centres the outline winds round at least once; edges on the left and top belong
// to the polygon, those on the right and bottom do not.
TEST(Region, CoversPixelsByTheWindingRule) {
  const Polygon square{{{{2, 3}, {6, 3}, {6, 5}, {2, 5}}}, 4};
  const Polygon reversed{{{{2, 5}, {6, 5}, {6, 3}, {2, 3}}}, 4};
  // A five-pointed star drawn in one stroke: its centre is wound twice, which the alternate rule
  // would leave empty.
  const Polygon star{{{{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}}}, 5};
  const struct {
    const Polygon& polygon;
    Point pixel;
    bool covered;
  } table[] = {
      {square, {2, 3}, true},    {square, {5, 4}, true},   {square, {6, 4}, false},
      {square, {2, 5}, false},   {square, {1, 3}, false},  {square, {2, 2}, false},
      {reversed, {2, 3}, true},  {reversed, {5, 4}, true}, {reversed, {6, 4}, false},
      {reversed, {2, 5}, false}, {star, {10, 10}, true},   {star, {10, 2}, true},
      {star, {1, 18}, false},
  };
  for (const auto& row : table) {
    EXPECT_EQ(Covers(row.polygon, row.pixel), row.covered) << row.pixel.x << "," << row.pixel.y;
  }
}

// Guards the two-pixels-at-a-time blend against rounding apart from BlendPixel on any level.
TEST(Region, BlendThroughRoundsLikeBlendPixel) {
  const auto grey = [](int level) { return Pixel{0xFF000000u | 0x010101u * level}; };
  Surface source = MakeSurface(256, 2, kBlackPixel);
  Surface start = MakeSurface(256, 2, kBlackPixel);
  for (int x = 0; x < 256; ++x) {
    source.Row(0)[x] = source.Row(1)[x] = grey(x);
    start.Row(1)[x] = grey(255 - x);
  }
  const Region all = MakeRegion({{{{0, 0}, {256, 0}, {256, 2}, {0, 2}}}, 4});
  for (const int alpha : {1, 127, 128, 254}) {
    Surface target = start;
    BlendThrough(target, 0, 0, source, {0, 0, 256, 2}, all, alpha);
    for (int i = 0; i < 512; ++i) {
      ASSERT_EQ(target.pixels[i], BlendPixel(source.pixels[i], start.pixels[i], alpha))
          << "alpha " << alpha << " pixel " << i;
    }
  }
}

}  // namespace
}  // namespace kelvane
