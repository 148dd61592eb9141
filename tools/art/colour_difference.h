// SPDX-License-Identifier: GPL-3.0-or-later
// Perceived colour difference (CIEDE2000) and simulated colour-vision deficiencies.
#pragma once

#include "vec3.h"

namespace kelvane::art {

struct Lab {
  double l = 0, a = 0, b = 0;
};

// sRGB (0..1 per channel, D65) to CIELAB.
Lab ToLab(Rgb srgb);

// CIELAB to sRGB, each channel clipped to the range; `fits` tells whether none had to be.
Rgb FromLab(Lab lab, bool* fits = nullptr);

// CIELAB lightness, chroma and hue (degrees) to sRGB; chroma is reduced until the colour fits.
Rgb FromLch(double lightness, double chroma, double hueDegrees);

// CIEDE2000 with the usual weights kL = kC = kH = 1.
double DeltaE2000(Lab first, Lab second);

enum class Vision { kNormal, kProtanopia, kDeuteranopia, kTritanopia };
inline constexpr Vision kVisions[] = {Vision::kNormal, Vision::kProtanopia, Vision::kDeuteranopia,
                                      Vision::kTritanopia};
const char* VisionName(Vision vision);

// What a dichromat of that kind sees of an sRGB colour (full severity), as sRGB.
Rgb SimulateVision(Rgb srgb, Vision vision);

// Inverse of each other: sRGB encoding and linear light, per channel.
double ToLinear(double encoded);
double ToEncoded(double linear);

}  // namespace kelvane::art
