// SPDX-License-Identifier: GPL-3.0-or-later
// Supersampling of the skin's shading, outline and front-edge lines.
#include "cube_painter.h"

#include "supersampling.h"

namespace kelvane::art {

Rgb CubeSampleColour(const CubeSize& size, const CubeLook& look, double x, double y) {
  const Skin& skin = *look.skin;
  const double inside = OutlineDistance(size, x, y);
  const double lineScale = size.w / kSheetCube.w;
  if (inside < skin.outlineWidth * lineScale ||
      InnerEdgeDistance(size, x, y) < skin.innerLineWidth * lineScale / 2) {
    return EdgeColour(skin, look.colourIndex, look.lighter);
  }
  return Shade(skin, look.colourIndex, look.lighter, SurfaceAt(size, x, y));
}

SpritePixel SpritePixelAt(const CubeSize& size, const CubeLook& look, int px, int py,
                          double bleed) {
  Rgb sum;
  int covered = 0;
  for (int j = 0; j < kSamplesPerAxis; ++j) {
    for (int i = 0; i < kSamplesPerAxis; ++i) {
      const double x = px + SampleOffset(i);
      const double y = py + SampleOffset(j);
      if (OutlineDistance(size, x, y) < -bleed) {
        continue;
      }
      sum = sum + CubeSampleColour(size, look, x, y);
      ++covered;
    }
  }
  if (covered == 0) {
    return {};
  }
  return {sum * (1.0 / covered),
          static_cast<double>(covered) / (kSamplesPerAxis * kSamplesPerAxis)};
}

}  // namespace kelvane::art
