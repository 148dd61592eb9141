// SPDX-License-Identifier: GPL-3.0-or-later
// A small stroke font of the digits 1…7, drawn by distance to the strokes.
#include "render/piece_numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace kelvane {

namespace {

struct UnitPoint {
  float x;
  float y;
};

// Glyph box 0.6 wide and 1 high, y downwards. A constant table: no allocation, nothing to set up
// on first use.
constexpr UnitPoint kOneStem[] = {{0.12f, 0.22f}, {0.34f, 0.0f}, {0.34f, 1.0f}};
constexpr UnitPoint kOneFoot[] = {{0.12f, 1.0f}, {0.54f, 1.0f}};
constexpr UnitPoint kTwo[] = {{0.05f, 0.22f}, {0.14f, 0.06f}, {0.3f, 0.0f},  {0.46f, 0.06f},
                              {0.55f, 0.22f}, {0.5f, 0.42f},  {0.05f, 1.0f}, {0.57f, 1.0f}};
constexpr UnitPoint kThree[] = {{0.04f, 0.06f}, {0.54f, 0.0f}, {0.26f, 0.4f}, {0.46f, 0.46f},
                                {0.56f, 0.68f}, {0.48f, 0.9f}, {0.28f, 1.0f}, {0.04f, 0.93f}};
constexpr UnitPoint kFour[] = {{0.44f, 1.0f}, {0.44f, 0.0f}, {0.02f, 0.68f}, {0.58f, 0.68f}};
constexpr UnitPoint kFive[] = {{0.54f, 0.0f},  {0.12f, 0.0f}, {0.07f, 0.44f},
                               {0.3f, 0.37f},  {0.5f, 0.46f}, {0.56f, 0.7f},
                               {0.46f, 0.93f}, {0.26f, 1.0f}, {0.03f, 0.92f}};
constexpr UnitPoint kSix[] = {{0.52f, 0.04f}, {0.32f, 0.0f},  {0.13f, 0.14f}, {0.05f, 0.5f},
                              {0.08f, 0.84f}, {0.28f, 1.0f},  {0.49f, 0.9f},  {0.56f, 0.68f},
                              {0.46f, 0.5f},  {0.28f, 0.45f}, {0.07f, 0.56f}};
constexpr UnitPoint kSeven[] = {{0.02f, 0.0f}, {0.58f, 0.0f}, {0.22f, 1.0f}};

// Every digit has one or two strokes; the second is empty where there is one.
using Glyph = std::array<std::span<const UnitPoint>, 2>;
constexpr std::array<Glyph, 7> kGlyphs{{{kOneStem, kOneFoot},
                                        {kTwo, {}},
                                        {kThree, {}},
                                        {kFour, {}},
                                        {kFive, {}},
                                        {kSix, {}},
                                        {kSeven, {}}}};

float DistanceToSegment(float px, float py, UnitPoint a, UnitPoint b, float height) {
  const float ax = a.x * height, ay = a.y * height;
  const float dx = b.x * height - ax, dy = b.y * height - ay;
  const float length2 = dx * dx + dy * dy;
  const float t =
      length2 > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / length2, 0.f, 1.f) : 0.f;
  return std::hypot(px - ax - t * dx, py - ay - t * dy);
}

int Alpha(float coverage) {
  return static_cast<int>(std::lround(std::clamp(coverage, 0.f, 1.f) * 255));
}

constexpr Pixel kNumberInk = 0xFF181818u;
constexpr Pixel kNumberHalo = 0xFFF6F6F6u;

}  // namespace

void DrawPieceNumber(Surface& target, Point centre, int digit, CubeGeometry g) {
  if (digit < 1 || digit > 7) {
    return;
  }
  const Glyph& glyph = kGlyphs[static_cast<std::size_t>(digit - 1)];
  // The digit is as tall as the top face is half high; strokes and halo thicken with it but
  // never thin below what a scale-2 face can still show.
  const float height = static_cast<float>(g.R);
  const float stroke = std::max(1.5f, height * 0.13f) / 2;
  const float halo = stroke + std::max(1.2f, height * 0.08f);
  const float left = static_cast<float>(centre.x) - 0.3f * height;
  const float top = static_cast<float>(centre.y) - 0.5f * height;
  const int reach = static_cast<int>(std::ceil(halo)) + 1;
  const int x0 = static_cast<int>(std::floor(left)) - reach;
  const int x1 = static_cast<int>(std::ceil(left + 0.6f * height)) + reach;
  const int y0 = static_cast<int>(std::floor(top)) - reach;
  const int y1 = static_cast<int>(std::ceil(top + height)) + reach;
  for (int y = std::max(y0, 0); y < std::min(y1, target.height); ++y) {
    for (int x = std::max(x0, 0); x < std::min(x1, target.width); ++x) {
      const float px = static_cast<float>(x) + 0.5f - left;
      const float py = static_cast<float>(y) + 0.5f - top;
      float distance = halo + 1;
      for (std::span<const UnitPoint> line : glyph) {
        for (std::size_t i = 0; i + 1 < line.size(); ++i) {
          distance = std::min(distance, DistanceToSegment(px, py, line[i], line[i + 1], height));
        }
      }
      Pixel& pixel = target.Row(y)[x];
      pixel = BlendPixel(kNumberHalo, pixel, Alpha(halo + 0.5f - distance));
      pixel = BlendPixel(kNumberInk, pixel, Alpha(stroke + 0.5f - distance));
    }
  }
}

}  // namespace kelvane
