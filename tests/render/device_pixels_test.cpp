// SPDX-License-Identifier: GPL-3.0-or-later
// Device-pixel sprite sheets for high-density screens.
#include "render/device_pixels.h"

#include <gtest/gtest.h>

#include "render/cube_geometry.h"
#include "render/render_fixture.h"

namespace kelvane {
namespace {

using testing::Face;

// Guards against rows drifting from SourceRect's rounded pitch, as a merely shrunk sheet does.
TEST(DevicePixels, ReLaidSheetsHoldEverySpriteWhereSourceRectLooks) {
  for (const CubeGeometry g :
       {ScaledGeometry(FieldGeometry(3), 2), ScaledGeometry(FieldGeometry(8), 2),
        ScaledGeometry(kThumbnailGeometry, 2)}) {
    const Surface sheet = SpriteSheetFor(testing::TestSheet(), g);
    for (int value = 1; value <= 9; ++value) {
      for (const bool lighter : {false, true}) {
        const Rect r = SourceRect(value, true, lighter, g);
        for (const Face face : {Face::Top, Face::Left, Face::Right}) {
          const Point p = testing::FaceSample(g, {r.left, r.top}, face);
          ASSERT_EQ(sheet.At(p.x, p.y), testing::TestFaceColour(value, face, lighter))
              << "W " << g.W << " value " << value;
        }
      }
    }
  }
}

}  // namespace
}  // namespace kelvane
