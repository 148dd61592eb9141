// SPDX-License-Identifier: GPL-3.0-or-later
// Rectangle fills, copies, blends, lines and the averaging shrink over plain pixel buffers.
#include "render/surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace kelvane {

namespace {

// The part of a w × h copy to (x, y) that lies on both surfaces, as offsets into the copy.
struct CopyWindow {
  int firstX, firstY, endX, endY;
  bool Empty() const { return firstX >= endX || firstY >= endY; }
};

CopyWindow ClipCopy(const Surface& target, int x, int y, const Surface& source, Rect from) {
  CopyWindow w{0, 0, from.Width(), from.Height()};
  w.firstX = std::max({w.firstX, -x, -from.left});
  w.firstY = std::max({w.firstY, -y, -from.top});
  w.endX = std::min({w.endX, target.width - x, source.width - from.left});
  w.endY = std::min({w.endY, target.height - y, source.height - from.top});
  return w;
}

}  // namespace

Surface MakeSurface(int width, int height, Pixel fill) {
  Surface surface;
  surface.width = std::max(width, 0);
  surface.height = std::max(height, 0);
  surface.pixels.assign(static_cast<std::size_t>(surface.width) * surface.height, fill);
  return surface;
}

void FillRect(Surface& target, Rect area, Pixel pixel) {
  const int left = std::max(area.left, 0);
  const int right = std::min(area.right, target.width);
  const int top = std::max(area.top, 0);
  const int bottom = std::min(area.bottom, target.height);
  if (left >= right || top >= bottom) {
    return;
  }
  // Fill one row, then copy it: the library's block copy is much faster than a pixel loop.
  std::fill(target.Row(top) + left, target.Row(top) + right, pixel);
  for (int y = top + 1; y < bottom; ++y) {
    std::memcpy(target.Row(y) + left, target.Row(top) + left, sizeof(Pixel) * (right - left));
  }
}

void CopyRect(Surface& target, int x, int y, const Surface& source, Rect from) {
  const CopyWindow w = ClipCopy(target, x, y, source, from);
  if (w.Empty()) {
    return;
  }
  for (int row = w.firstY; row < w.endY; ++row) {
    std::memcpy(target.Row(y + row) + x + w.firstX,
                source.Row(from.top + row) + from.left + w.firstX,
                sizeof(Pixel) * (w.endX - w.firstX));
  }
}

void CopyMasked(Surface& target, int x, int y, const Surface& source, Rect from,
                const Surface& mask) {
  CopyWindow w = ClipCopy(target, x, y, source, from);
  w.endX = std::min(w.endX, mask.width);
  w.endY = std::min(w.endY, mask.height);
  for (int row = w.firstY; row < w.endY; ++row) {
    const Pixel* take = mask.Row(row);
    const Pixel* fromRow = source.Row(from.top + row) + from.left;
    Pixel* toRow = target.Row(y + row) + x;
    for (int column = w.firstX; column < w.endX; ++column) {
      if (take[column] == kWhitePixel) {
        toRow[column] = fromRow[column];
      }
    }
  }
}

void DrawLine(Surface& target, int fromX, int fromY, int toX, int toY, Pixel pixel) {
  const int dx = std::abs(toX - fromX);
  const int dy = -std::abs(toY - fromY);
  const int stepX = fromX < toX ? 1 : -1;
  const int stepY = fromY < toY ? 1 : -1;
  int error = dx + dy;
  int x = fromX;
  int y = fromY;
  while (x != toX || y != toY) {
    if (target.Contains(x, y)) {
      target.Row(y)[x] = pixel;
    }
    const int doubled = 2 * error;
    if (doubled >= dy) {
      error += dy;
      x += stepX;
    }
    if (doubled <= dx) {
      error += dx;
      y += stepY;
    }
  }
}

void ShrinkInPlace(Surface& sheet, int width, int height) {
  width = std::min(width, sheet.width);
  height = std::min(height, sheet.height);
  if (width <= 0 || height <= 0) {
    return;
  }
  std::vector<Pixel> shrunk(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    const int top = y * sheet.height / height;
    const int bottom = std::max((y + 1) * sheet.height / height, top + 1);
    for (int x = 0; x < width; ++x) {
      const int left = x * sheet.width / width;
      const int right = std::max((x + 1) * sheet.width / width, left + 1);
      unsigned sums[3] = {0, 0, 0};
      for (int sy = top; sy < bottom; ++sy) {
        for (int sx = left; sx < right; ++sx) {
          const Pixel p = sheet.At(sx, sy);
          sums[0] += p & 0xFFu;
          sums[1] += (p >> 8) & 0xFFu;
          sums[2] += (p >> 16) & 0xFFu;
        }
      }
      const unsigned count = static_cast<unsigned>((bottom - top) * (right - left));
      shrunk[static_cast<std::size_t>(y) * width + x] =
          0xFF000000u | ((sums[2] + count / 2) / count) << 16 |
          ((sums[1] + count / 2) / count) << 8 | ((sums[0] + count / 2) / count);
    }
  }
  for (int y = 0; y < height; ++y) {
    std::copy_n(shrunk.data() + static_cast<std::size_t>(y) * width, width, sheet.Row(y));
  }
}

}  // namespace kelvane
