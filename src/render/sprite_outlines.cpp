// Reading each sprite's outline colour and drawing it one pixel wide at the shrunk size.
#include "render/sprite_outlines.h"

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
  const Polygon outline = CubeOutline(g);
  for (int k = 0; k < kColourIndexes; ++k) {
    for (int lighter = 0; lighter < 2; ++lighter) {
      const Rect sprite = SourceRect(k + 1, true, lighter != 0, g);
      for (int y = 0; y < g.H; ++y) {
        for (int x = 0; x < 2 * g.W; ++x) {
          const bool edge = Covers(outline, {x, y}) &&
                            !(Covers(outline, {x - 1, y}) && Covers(outline, {x + 1, y}) &&
                              Covers(outline, {x, y - 1}) && Covers(outline, {x, y + 1}));
          if (edge && shrunkSheet.Contains(sprite.left + x, sprite.top + y)) {
            shrunkSheet.Row(sprite.top + y)[sprite.left + x] = colours[k][lighter];
          }
        }
      }
    }
  }
}

}  // namespace kelvane
