// SPDX-License-Identifier: GPL-3.0-or-later
// The rectangle operations every picture is composed with, over plain pixel buffers.
#pragma once

#include <cstdint>

#include "model/pixel_surface.h"

namespace kelvane {

Surface MakeSurface(int width, int height, Pixel fill);

// Fills the part of `area` that lies on the surface.
void FillRect(Surface& target, Rect area, Pixel pixel);

// Copies `from` of `source` to `target` with its top-left at (x, y); whatever falls outside
// either surface is left out.
void CopyRect(Surface& target, int x, int y, const Surface& source, Rect from);

// The masked sprite copy: like CopyRect, but only where the mask pixel (indexed from the top-left
// of `from`) is white; elsewhere the target keeps its pixel.
void CopyMasked(Surface& target, int x, int y, const Surface& source, Rect from,
                const Surface& mask);

// Constant-alpha source-over blend of each channel: source·a/255 + target·(255 − a)/255,
// rounded to the nearest value. Inline: it runs once per tinted pixel.
constexpr Pixel BlendPixel(Pixel source, Pixel target, int alpha) {
  // Red and blue share one multiply in separate 16-bit lanes; (t + (t >> 8)) >> 8 with t = v + 128
  // is v / 255 rounded to nearest for every v up to 255 · 255.
  const std::uint32_t a = static_cast<std::uint32_t>(alpha);
  const std::uint32_t b = 255 - a;
  std::uint32_t redBlue = (source & 0xFF00FFu) * a + (target & 0xFF00FFu) * b + 0x800080u;
  redBlue = ((redBlue + ((redBlue >> 8) & 0xFF00FFu)) >> 8) & 0xFF00FFu;
  std::uint32_t green = ((source >> 8) & 0xFFu) * a + ((target >> 8) & 0xFFu) * b + 0x80u;
  green = ((green + (green >> 8)) >> 8) & 0xFFu;
  return 0xFF000000u | redBlue | (green << 8);
}

// A 1-pixel line from `from` towards `to`; the last pixel is not drawn, so joined lines never
// paint their shared corner twice.
void DrawLine(Surface& target, int fromX, int fromY, int toX, int toY, Pixel pixel);

// Shrinks the whole surface into its own top-left width × height pixels by averaging the source
// pixels that fall into each target pixel; the rest keeps its pixels. Only ever shrinks.
void ShrinkInPlace(Surface& sheet, int width, int height);

}  // namespace kelvane
