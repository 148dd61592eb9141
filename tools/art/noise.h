// SPDX-License-Identifier: GPL-3.0-or-later
// Smooth value noise for the textured skins (wood grain, ash).
#pragma once

#include "vec3.h"

namespace kelvane::art {

// Smooth noise in [0, 1] with features about one unit apart; the same point always gives the
// same value.
double ValueNoise(Vec3 p);

// Sum of `octaves` noise layers, each twice as fine and half as strong; in [0, 1].
double FractalNoise(Vec3 p, int octaves);

}  // namespace kelvane::art
