// SPDX-License-Identifier: GPL-3.0-or-later
// How finely the art is sampled inside each pixel.
#pragma once

namespace kelvane::art {

inline constexpr int kSamplesPerAxis = 4;

// Offset of sample i (0 .. kSamplesPerAxis - 1) inside its pixel along one axis.
inline double SampleOffset(int i) {
  return (i + 0.5) / kSamplesPerAxis;
}

}  // namespace kelvane::art
