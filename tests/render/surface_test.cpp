// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel-buffer operations: colour conversion, copies, lines and shrinking.
#include "render/surface.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

TEST(Surface, CopiesAreCutToBothSurfaces) {
  Surface source = MakeSurface(4, 4, 0xFF000001u);
  source.Row(0)[0] = 0xFF000002u;
  Surface target = MakeSurface(3, 3, kWhitePixel);
  CopyRect(target, -1, -1, source, {0, 0, 4, 4});
  EXPECT_EQ(target.At(0, 0), 0xFF000001u);  // source (1, 1)
  EXPECT_EQ(target.At(2, 2), 0xFF000001u);

  Surface target2 = MakeSurface(3, 3, kWhitePixel);
  CopyRect(target2, 1, 1, source, {3, 3, 6, 6});  // only (3, 3) exists in the source
  EXPECT_EQ(target2.At(1, 1), 0xFF000001u);
  EXPECT_EQ(target2.At(2, 2), kWhitePixel);
  EXPECT_EQ(target2.At(0, 0), kWhitePixel);
}

// A 3:2 slope, as the layer grid draws: one pixel per column, the last left out.
TEST(Surface, LinesLeaveOutTheirLastPixel) {
  Surface s = MakeSurface(8, 8, kWhitePixel);
  DrawLine(s, 0, 3, 6, 7, kBlackPixel);
  int painted = 0;
  for (int x = 0; x < 8; ++x) {
    for (int y = 3; y < 8; ++y) {
      painted += s.At(x, y) == kBlackPixel ? 1 : 0;
    }
  }
  EXPECT_EQ(painted, 6);
  EXPECT_EQ(s.At(0, 3), kBlackPixel);
  EXPECT_EQ(s.At(6, 7), kWhitePixel);
}

TEST(Surface, ShrinkAveragesIntoTheTopLeftAndKeepsTheRest) {
  Surface s = MakeSurface(4, 2, kWhitePixel);
  s.Row(0)[0] = kBlackPixel;
  s.Row(1)[1] = PixelFromColour(0x0000FF);
  s.Row(1)[3] = 0xFF123456u;
  ShrinkInPlace(s, 2, 1);
  EXPECT_EQ(PixelFromColour(0x123456), 0xFF563412u);  // red sits in the low byte of a colour
  // (0 + 255 + 255 + 255) / 4 red, (0 + 0 + 255 + 255) / 4 green and blue, rounded.
  EXPECT_EQ(s.At(0, 0), 0xFFBF8080u);
  EXPECT_EQ(s.At(2, 0), kWhitePixel);  // outside the shrunk area: as stored
  EXPECT_EQ(s.At(3, 1), 0xFF123456u);
}

}  // namespace
}  // namespace kelvane
