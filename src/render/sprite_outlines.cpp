// SPDX-License-Identifier: GPL-3.0-or-later
// Reading each sprite's outline colour and drawing it one pixel wide at the shrunk size.
#include "render/sprite_outlines.h"

#include <vector>

#include "render/cube_geometry.h"
#include "render/region.h"

namespace kelvane {

namespace {
constexpr int kColourIndexes = 9;
}  // namespace

// The middle of a sprite's left edge lies on its outline in every skin.
OutlineColours ReadOutlineColours(const Surface& storedSheet) {
  OutlineColours colours{};
  const CubeGeometry g = FieldGeometry(kLargestScale);
  for (int k = 0; k < kColourIndexes; ++k) {
    for (int lighter = 0; lighter < 2; ++lighter) {
      const Rect sprite = SourceRect(k + 1, true, lighter != 0, g);
      const int y = sprite.top + g.H / 2;
      colours[k][lighter] =
          storedSheet.Contains(sprite.left, y) ? storedSheet.At(sprite.left, y) : kBlackPixel;
    }
  }
  return colours;
}

void RedrawOutlines(Surface& shrunkSheet, CubeGeometry g, const OutlineColours& colours) {
  // The sprite's pixels that the outline keeps but a four-neighbour of which it does not; worked
  // out once, as every sprite has the same shape.
  const Polygon outline = CubeOutline(g);
  std::vector<Point> edge;
  for (int y = 0; y < g.H; ++y) {
    for (int x = 0; x < 2 * g.W; ++x) {
      if (Covers(outline, {x, y}) &&
          !(Covers(outline, {x - 1, y}) && Covers(outline, {x + 1, y}) &&
            Covers(outline, {x, y - 1}) && Covers(outline, {x, y + 1}))) {
        edge.push_back({x, y});
      }
    }
  }
  for (int k = 0; k < kColourIndexes; ++k) {
    for (int lighter = 0; lighter < 2; ++lighter) {
      const Rect sprite = SourceRect(k + 1, true, lighter != 0, g);
      for (const Point p : edge) {
        if (shrunkSheet.Contains(sprite.left + p.x, sprite.top + p.y)) {
          shrunkSheet.Row(sprite.top + p.y)[sprite.left + p.x] = colours[k][lighter];
        }
      }
    }
  }
}

}  // namespace kelvane
