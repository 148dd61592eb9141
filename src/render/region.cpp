// SPDX-License-Identifier: GPL-3.0-or-later
// Span conversion of winding-rule polygons, and the clipped copy and blend built on it.
#include "render/region.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

namespace kelvane {

namespace {

// Smallest integer not below n / d, for d > 0.
std::int64_t CeilDiv(std::int64_t n, std::int64_t d) {
  return n >= 0 ? (n + d - 1) / d : -(-n / d);
}

// BlendPixel over a run, two pixels per 64-bit word: each channel pair gets its own 16-bit lane.
void BlendRow(const Pixel* source, Pixel* target, int count, int alpha) {
  constexpr std::uint64_t kLanes = 0x00FF00FF00FF00FFull;
  const std::uint64_t a = static_cast<std::uint64_t>(alpha);
  const std::uint64_t b = 255 - a;
  const auto blendLanes = [&](std::uint64_t s, std::uint64_t t) {
    std::uint64_t v = (s & kLanes) * a + (t & kLanes) * b + 0x0080008000800080ull;
    return ((v + ((v >> 8) & kLanes)) >> 8) & kLanes;
  };
  int i = 0;
  for (; i + 1 < count; i += 2) {
    std::uint64_t s;
    std::uint64_t t;
    std::memcpy(&s, source + i, sizeof s);
    std::memcpy(&t, target + i, sizeof t);
    const std::uint64_t blended = blendLanes(s, t) | (blendLanes(s >> 8, t >> 8) << 8);
    std::memcpy(target + i, &blended, sizeof blended);
  }
  if (i < count) {
    target[i] = BlendPixel(source[i], target[i], alpha);
  }
}

struct Crossing {
  int firstPixel;  // the first pixel whose centre lies at or right of the crossing
  int direction;   // +1 for a downward edge, -1 for an upward one
};

// Calls rowOp(y, begin, end) for every covered run of target pixels inside `area`, with the
// clip's (0, 0) at (x, y).
template <typename RowOp>
void ForEachCoveredRun(const Surface& target, int x, int y, const Region& clip, Rect area,
                       RowOp rowOp) {
  const int top = std::max({area.top, clip.bounds.top + y, 0});
  const int bottom = std::min({area.bottom, clip.bounds.bottom + y, target.height});
  const int left = std::max(area.left, 0);
  const int right = std::min(area.right, target.width);
  for (int row = top; row < bottom; ++row) {
    const RowSpans& spans = clip.rows[row - y - clip.bounds.top];
    for (int i = 0; i < spans.count; ++i) {
      const int begin = std::max(spans.spans[i].begin + x, left);
      const int end = std::min(spans.spans[i].end + x, right);
      if (begin < end) {
        rowOp(row, begin, end);
      }
    }
  }
}

Rect CopyArea(int x, int y, const Surface& source, Rect from) {
  // Limit the copy to the part of `from` that exists in the source.
  const int left = std::max(from.left, 0);
  const int top = std::max(from.top, 0);
  const int right = std::min(from.right, source.width);
  const int bottom = std::min(from.bottom, source.height);
  return {x + left - from.left, y + top - from.top, x + right - from.left, y + bottom - from.top};
}

}  // namespace

RowSpans SpansOnRow(const Polygon& polygon, int y) {
  // Work in doubled coordinates so that the row's centre line 2y + 1 is an integer; it never
  // meets a vertex, so each edge either crosses it once or not at all.
  const std::int64_t centre = 2 * static_cast<std::int64_t>(y) + 1;
  std::array<Crossing, 6> crossings{};
  int count = 0;
  for (int i = 0; i < polygon.count; ++i) {
    const Point a = polygon.points[i];
    const Point b = polygon.points[(i + 1) % polygon.count];
    const std::int64_t ay = 2 * static_cast<std::int64_t>(a.y);
    const std::int64_t by = 2 * static_cast<std::int64_t>(b.y);
    if ((ay < centre) == (by < centre)) {
      continue;
    }
    // Doubled crossing x = 2·a.x + (centre − ay)·2(b.x − a.x)/(by − ay); the first pixel p with
    // 2p + 1 ≥ that x is the ceiling of (x − 1) / 2.
    std::int64_t num = 2 * static_cast<std::int64_t>(a.x) * (by - ay) +
                       (centre - ay) * 2 * (static_cast<std::int64_t>(b.x) - a.x) - (by - ay);
    std::int64_t den = 2 * (by - ay);
    if (den < 0) {
      num = -num;
      den = -den;
    }
    crossings[count++] = {static_cast<int>(CeilDiv(num, den)), by > ay ? 1 : -1};
  }
  // Insertion sort: never more than six crossings.
  for (int i = 1; i < count; ++i) {
    for (int j = i; j > 0 && crossings[j].firstPixel < crossings[j - 1].firstPixel; --j) {
      std::swap(crossings[j], crossings[j - 1]);
    }
  }
  RowSpans row;
  int winding = 0;
  for (int i = 0; i < count; ++i) {
    const int before = winding;
    winding += crossings[i].direction;
    if (before == 0 && winding != 0) {
      row.spans[row.count].begin = crossings[i].firstPixel;
    } else if (before != 0 && winding == 0) {
      row.spans[row.count].end = crossings[i].firstPixel;
      if (row.spans[row.count].begin < row.spans[row.count].end) {
        ++row.count;
      }
    }
  }
  return row;
}

bool Covers(const Polygon& polygon, Point pixel) {
  // A covered pixel's centre lies inside the polygon, so inside its bounds: reject cheaply.
  const Rect bounds = Bounds(polygon);
  if (pixel.x < bounds.left || pixel.x >= bounds.right || pixel.y < bounds.top ||
      pixel.y >= bounds.bottom) {
    return false;
  }
  const RowSpans row = SpansOnRow(polygon, pixel.y);
  for (int i = 0; i < row.count; ++i) {
    if (pixel.x >= row.spans[i].begin && pixel.x < row.spans[i].end) {
      return true;
    }
  }
  return false;
}

Region MakeRegion(const Polygon& polygon) {
  Region region{Bounds(polygon), {}};
  region.rows.reserve(static_cast<std::size_t>(std::max(region.bounds.Height(), 0)));
  for (int y = region.bounds.top; y < region.bounds.bottom; ++y) {
    region.rows.push_back(SpansOnRow(polygon, y));
  }
  return region;
}

Polygon Translated(const Polygon& polygon, Point by) {
  Polygon moved = polygon;
  for (int i = 0; i < moved.count; ++i) {
    moved.points[i].x += by.x;
    moved.points[i].y += by.y;
  }
  return moved;
}

Rect Bounds(const Polygon& polygon) {
  if (polygon.count == 0) {
    return {};
  }
  Rect r{polygon.points[0].x, polygon.points[0].y, polygon.points[0].x, polygon.points[0].y};
  for (int i = 1; i < polygon.count; ++i) {
    r.left = std::min(r.left, polygon.points[i].x);
    r.top = std::min(r.top, polygon.points[i].y);
    r.right = std::max(r.right, polygon.points[i].x);
    r.bottom = std::max(r.bottom, polygon.points[i].y);
  }
  return r;
}

void CopyThrough(Surface& target, int x, int y, const Surface& source, Rect from,
                 const Region& clip) {
  ForEachCoveredRun(target, x, y, clip, CopyArea(x, y, source, from),
                    [&](int row, int begin, int end) {
                      const Pixel* fromRow = source.Row(row - y + from.top) - x + from.left;
                      std::copy(fromRow + begin, fromRow + end, target.Row(row) + begin);
                    });
}

void BlendThrough(Surface& target, int x, int y, const Surface& source, Rect from,
                  const Region& clip, int alpha) {
  ForEachCoveredRun(target, x, y, clip, CopyArea(x, y, source, from),
                    [&](int row, int begin, int end) {
                      const Pixel* fromRow = source.Row(row - y + from.top) - x + from.left;
                      BlendRow(fromRow + begin, target.Row(row) + begin, end - begin, alpha);
                    });
}

}  // namespace kelvane
