// SPDX-License-Identifier: GPL-3.0-or-later
// The winding-rule polygons and their one coverage rule.
#include "render/region.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kelvane {
namespace {

// Pixels whose centres the outline winds round at least once; edges on the left and top belong
// to the polygon, those on the right and bottom do not.
TEST(Region, CoversPixelsByTheWindingRule) {
  const Polygon square{{{{2, 3}, {6, 3}, {6, 5}, {2, 5}}}, 4};
  const Polygon reversed{{{{2, 5}, {6, 5}, {6, 3}, {2, 3}}}, 4};
  // A five-pointed star in one stroke: the alternate rule would leave its twice-wound centre empty.
  const Polygon star{{{{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}}}, 5};
  const std::tuple<const Polygon&, Point, bool> table[] = {
      {square, {2, 3}, true},    {square, {5, 4}, true},   {square, {6, 4}, false},
      {square, {2, 5}, false},   {square, {1, 3}, false},  {square, {2, 2}, false},
      {reversed, {2, 3}, true},  {reversed, {5, 4}, true}, {reversed, {6, 4}, false},
      {reversed, {2, 5}, false}, {star, {10, 10}, true},   {star, {10, 2}, true},
      {star, {1, 18}, false},
  };
  for (const auto& [polygon, pixel, covered] : table) {
    EXPECT_EQ(Covers(polygon, pixel), covered) << pixel.x << "," << pixel.y;
  }
}

// Guards the paired blend and BlendPixel, for the odd pixel, against rounding any channel apart.
TEST(Region, BlendsRoundEachChannelToNearest) {
  // Three different levels per pixel, so that a channel mixed up with another shows.
  const auto pixel = [](int level) {
    return static_cast<Pixel>(0xFF000000u | level << 16 | (255 - level) << 8 | (level * 7 % 256));
  };
  const auto mix = [](int s, int t, int alpha) {
    return static_cast<Pixel>((s * alpha + t * (255 - alpha) + 127) / 255);
  };
  Surface source = MakeSurface(255, 256, kBlackPixel);  // odd rows: BlendPixel takes the last
  Surface start = source;
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 255; ++x) {
      source.Row(y)[x] = pixel(x);
      start.Row(y)[x] = pixel(y);
    }
  }
  const Region all = MakeRegion({{{{0, 0}, {255, 0}, {255, 256}, {0, 256}}}, 4});
  for (int alpha = 0; alpha < 256; ++alpha) {
    Surface target = start;
    BlendThrough(target, 0, 0, source, {0, 0, 255, 256}, all, alpha);
    for (int t = 0; t < 256; ++t) {
      for (int s = 0; s < 255; ++s) {
        const Pixel expected = 0xFF000000u | mix(s, t, alpha) << 16 |
                               mix(255 - s, 255 - t, alpha) << 8 |
                               mix(s * 7 % 256, t * 7 % 256, alpha);
        ASSERT_EQ(target.At(s, t), expected) << "alpha " << alpha << " at " << s << "," << t;
        ASSERT_EQ(BlendPixel(pixel(s), pixel(t), alpha), expected) << "alpha " << alpha;
      }
    }
  }
}

}  // namespace
}  // namespace kelvane
