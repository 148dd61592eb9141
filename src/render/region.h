// SPDX-License-Identifier: GPL-3.0-or-later
// Winding-rule polygons and the one pixel-coverage rule shared by drawing and hit-testing.
#pragma once

#include <array>
#include <vector>

#include "model/game.h"
#include "render/surface.h"

namespace kelvane {

// A closed polygon of up to six integer vertices (the cube outline has six, a diamond four).
struct Polygon {
  std::array<Point, 6> points{};
  int count = 0;
};

// Pixels [begin, end) of one row.
struct Span {
  int begin = 0;
  int end = 0;
  friend bool operator==(const Span&, const Span&) = default;
};

// At most three disjoint spans: what a six-sided polygon can cut from one row.
struct RowSpans {
  std::array<Span, 3> spans{};
  int count = 0;
};

// Coverage rule: pixel (x, y) belongs to the polygon when its centre (x + ½, y + ½) has a non-zero
// winding number. A centre exactly on an edge counts for the polygon on the edge's right-hand
// (larger x) side, so polygons sharing an edge split its pixels without gap or overlap; in effect
// right and bottom edges are excluded.
RowSpans SpansOnRow(const Polygon& polygon, int y);
bool Covers(const Polygon& polygon, Point pixel);

// A polygon's coverage worked out row by row once, to clip many copies of the same shape: moving
// a polygon by whole pixels moves its coverage by as much.
struct Region {
  Rect bounds;                 // rows bounds.top … bounds.bottom − 1
  std::vector<RowSpans> rows;  // one per row of bounds
};
Region MakeRegion(const Polygon& polygon);

Polygon Translated(const Polygon& polygon, Point by);
// The smallest rectangle around the vertices.
Rect Bounds(const Polygon& polygon);

// Copies `from` of `source` to `target` at (x, y), only where `clip` — placed with its (0, 0)
// at (x, y) — covers the target pixel.
void CopyThrough(Surface& target, int x, int y, const Surface& source, Rect from,
                 const Region& clip);
// The same with a constant-alpha blend (BlendPixel) in place of the copy.
void BlendThrough(Surface& target, int x, int y, const Surface& source, Rect from,
                  const Region& clip, int alpha);

}  // namespace kelvane
