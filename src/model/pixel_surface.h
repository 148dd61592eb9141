// SPDX-License-Identifier: GPL-3.0-or-later
// Plain 32-bit pixel buffers: the data the Game's surfaces hold, without the drawing.
#pragma once

#include <cstdint>
#include <vector>

#include "model/settings.h"

namespace kelvane {

// One pixel as 0xFFRRGGBB: the byte order a toolkit image of 32-bit RGB can wrap without copying.
using Pixel = std::uint32_t;

// The one place where a Settings colour (red in the low byte) becomes a pixel.
constexpr Pixel PixelFromColour(Colour colour) {
  return 0xFF000000u | ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}

inline constexpr Pixel kBlackPixel = 0xFF000000u;
inline constexpr Pixel kWhitePixel = 0xFFFFFFFFu;

// Left and top inside, right and bottom outside.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A width × height picture, rows top to bottom, no padding. An empty surface (0 × 0) is valid
// everywhere: drawing into it or reading from it touches nothing.
struct Surface {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;

  Pixel* Row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
  const Pixel* Row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * width; }
  Pixel At(int x, int y) const { return Row(y)[x]; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

}  // namespace kelvane
