// SPDX-License-Identifier: GPL-3.0-or-later
// Antialiased pixels of one cube sprite in a given skin.
#pragma once

#include "cube_shape.h"
#include "skins.h"

namespace kelvane::art {

struct CubeLook {
  const Skin* skin;
  int colourIndex;
  bool lighter;
};

struct SpritePixel {
  Rgb colour;       // average over the covered part of the pixel
  double coverage;  // 0..1
};

// The colour seen at sprite position (x, y), relative to the sprite's top-left corner.
Rgb CubeSampleColour(const CubeSize& size, const CubeLook& look, double x, double y);

// Pixel (px, py) of the sprite, relative to its top-left corner. The sprite's colours reach
// `bleed` pixels beyond the outline, so a copy clipped to the outline shows no background at its
// edge and a shrunken copy keeps its edge colour.
SpritePixel SpritePixelAt(const CubeSize& size, const CubeLook& look, int px, int py, double bleed);

}  // namespace kelvane::art
