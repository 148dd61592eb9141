// SPDX-License-Identifier: GPL-3.0-or-later
// The seven skins: their colours and how each one shades a point of a cube.
#pragma once

#include <array>

#include "cube_shape.h"
#include "vec3.h"

namespace kelvane::art {

inline constexpr int kSkinColours = 9;  // colour indexes 0..8: plain cube, pieces 1..7, marked cell

enum class Finish { kFlat, kRounded, kSmoothed, kOak, kPolished, kAshen, kFaceted };

struct Skin {
  const char* name;  // as the Options list shows it
  Finish finish;
  std::array<Rgb, kSkinColours> colours;
  double outlineWidth;    // dark band inside the silhouette, in sheet pixels; 0 for none
  double innerLineWidth;  // dark line along the three front edges, in sheet pixels; 0 for none
};

// The skins in SKIN_INDEX order, "1. Simple" first.
const std::array<Skin, 7>& Skins();

// The colour at a point of cube `colourIndex` of `skin`; `lighter` gives the checkers copy.
Rgb Shade(const Skin& skin, int colourIndex, bool lighter, const SurfacePoint& point);

// The colour of the skin's outline and front-edge lines for that cube.
Rgb EdgeColour(const Skin& skin, int colourIndex, bool lighter);

}  // namespace kelvane::art
