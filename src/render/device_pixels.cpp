// SPDX-License-Identifier: GPL-3.0-or-later
// Device-pixel geometry and the sprite sheets re-laid for it.
#include "render/device_pixels.h"

#include <algorithm>
#include <array>
#include <vector>

#include "render/cube_geometry.h"
#include "render/skins.h"
#include "render/sprite_outlines.h"

namespace kelvane {

namespace {

// The scale-8 layout every stored sheet is drawn in.
constexpr int kSheetSpriteWidth = 144;
constexpr int kSheetSpriteHeight = 172;
constexpr int kSheetPitchX = 160;
constexpr int kSheetPitchY = 180;
constexpr int kSheetColumns = 6;
constexpr int kSheetRows = 4;

struct Tap {
  int index;
  float weight;
};

// For each of `count` target pixels, the source pixels in [begin, begin + length) it takes from
// and how much: a box as wide as one target pixel in source units, but never narrower than one
// source pixel, so growing blends neighbours linearly.
std::vector<std::vector<Tap>> Taps(int begin, int length, int count) {
  std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(count));
  const float step = static_cast<float>(length) / static_cast<float>(count);
  const float half = std::max(step, 1.f) / 2;
  for (int i = 0; i < count; ++i) {
    const float centre = (static_cast<float>(i) + 0.5f) * step;
    const float from = std::max(centre - half, 0.f);
    const float to = std::min(centre + half, static_cast<float>(length));
    float total = 0;
    for (int s = static_cast<int>(from); s < length && static_cast<float>(s) < to; ++s) {
      const float w =
          std::min(to, static_cast<float>(s + 1)) - std::max(from, static_cast<float>(s));
      if (w > 0) {
        taps[static_cast<std::size_t>(i)].push_back({begin + s, w});
        total += w;
      }
    }
    for (Tap& tap : taps[static_cast<std::size_t>(i)]) {
      tap.weight /= total;
    }
  }
  return taps;
}

using Channels = std::array<float, 3>;

Channels Split(Pixel p) {
  return {static_cast<float>(p & 0xFFu), static_cast<float>((p >> 8) & 0xFFu),
          static_cast<float>((p >> 16) & 0xFFu)};
}

Pixel Join(const Channels& c) {
  const auto byte = [](float v) {
    return static_cast<Pixel>(std::clamp(static_cast<int>(v + 0.5f), 0, 255));
  };
  return 0xFF000000u | byte(c[2]) << 16 | byte(c[1]) << 8 | byte(c[0]);
}

}  // namespace

CubeGeometry ScaledGeometry(CubeGeometry g, int ratio) {
  return {g.W * ratio, g.R * ratio, g.E * ratio, g.H * ratio};
}

Point ScaledPoint(Point p, int ratio) {
  return {p.x * ratio, p.y * ratio};
}

Rect ScaledRect(Rect r, int ratio) {
  return {r.left * ratio, r.top * ratio, r.right * ratio, r.bottom * ratio};
}

ClientLayout ScaledLayout(const ClientLayout& layout, int ratio) {
  ClientLayout scaled = layout;
  scaled.scene = {layout.scene.width * ratio, layout.scene.height * ratio};
  scaled.panel = ScaledRect(layout.panel, ratio);
  scaled.fieldView = ScaledRect(layout.fieldView, ratio);
  scaled.helperOrigin = ScaledPoint(layout.helperOrigin, ratio);
  scaled.previewOrigin = ScaledPoint(layout.previewOrigin, ratio);
  scaled.figureOrigin = ScaledPoint(layout.figureOrigin, ratio);
  return scaled;
}

Surface Resample(const Surface& source, Rect from, int width, int height) {
  Surface result = MakeSurface(width, height, kWhitePixel);
  if (width <= 0 || height <= 0 || from.Width() <= 0 || from.Height() <= 0) {
    return result;
  }
  const auto across = Taps(from.left, from.Width(), width);
  const auto down = Taps(from.top, from.Height(), height);
  std::vector<Channels> rows(static_cast<std::size_t>(from.Height()) * width);
  for (int sy = 0; sy < from.Height(); ++sy) {
    for (int x = 0; x < width; ++x) {
      Channels sum{};
      for (const Tap& tap : across[static_cast<std::size_t>(x)]) {
        const Channels c = Split(source.At(tap.index, from.top + sy));
        for (int k = 0; k < 3; ++k) {
          sum[k] += c[k] * tap.weight;
        }
      }
      rows[static_cast<std::size_t>(sy) * width + x] = sum;
    }
  }
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Channels sum{};
      for (const Tap& tap : down[static_cast<std::size_t>(y)]) {
        const Channels& c = rows[static_cast<std::size_t>(tap.index - from.top) * width + x];
        for (int k = 0; k < 3; ++k) {
          sum[k] += c[k] * tap.weight;
        }
      }
      result.Row(y)[x] = Join(sum);
    }
  }
  return result;
}

Surface SpriteSheetFor(const Surface& sheet, CubeGeometry g) {
  if (sheet.width < kSheetWidth || sheet.height < kSheetHeight) {
    return {};
  }
  const Rect last = SourceRect(kSheetColumns * 2, true, true, g);
  Surface laid = MakeSurface(last.right, last.bottom, kWhitePixel);
  for (int row = 0; row < kSheetRows; ++row) {
    for (int column = 0; column < kSheetColumns; ++column) {
      const Rect from{column * kSheetPitchX, row * kSheetPitchY,
                      column * kSheetPitchX + kSheetSpriteWidth,
                      row * kSheetPitchY + kSheetSpriteHeight};
      // Value 1 + column + 6·(row / 2), the lighter copy on odd rows.
      const Rect to = SourceRect(1 + column + kSheetColumns * (row / 2), true, row % 2 == 1, g);
      CopyRect(laid, to.left, to.top, Resample(sheet, from, to.Width(), to.Height()),
               {0, 0, to.Width(), to.Height()});
    }
  }
  // Resampling blurs the fine outlines as shrinking does; they are drawn again at the new size.
  RedrawOutlines(laid, g, ReadOutlineColours(sheet));
  return laid;
}

}  // namespace kelvane
