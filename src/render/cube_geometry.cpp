// SPDX-License-Identifier: GPL-3.0-or-later
// Cube geometries, projection, outline and diamond polygons, and the sprite-cell rule.
#include "render/cube_geometry.h"

namespace kelvane {

int DrawnScale(int scale) {
  return scale >= kSmallestScale && scale <= kLargestScale ? scale : kDefaultScale;
}

CubeGeometry FieldGeometry(int scale) {
  scale = DrawnScale(scale);
  return {9 * scale, 6 * scale, 74 * scale / 8, 172 * scale / 8};
}

int GapX(CubeGeometry g) {
  return 16 * g.W / 72;
}
int GapY(CubeGeometry g) {
  return 8 * g.W / 72;
}

Point ProjectLattice(CubeGeometry g, Point origin, int a, int b, int c) {
  return {origin.x + (a - b) * g.W, origin.y + (a + b) * g.R - c * g.E};
}

Point SpriteTopLeft(CubeGeometry g, Point origin, int x, int y, int z) {
  return {origin.x + (x - y - 1) * g.W, origin.y + (x + y) * g.R - (z + 1) * g.E};
}

Polygon CubeOutline(CubeGeometry g) {
  return {{{{g.W, 0}, {2 * g.W, g.R}, {2 * g.W, g.H - g.R}, {g.W, g.H}, {0, g.H - g.R}, {0, g.R}}},
          6};
}

Polygon FloorDiamond(CubeGeometry g, Point figureOrigin, int x, int y, int c) {
  const Point p = ProjectLattice(g, figureOrigin, x, y, c);
  return {{{p, {p.x + g.W, p.y + g.R}, {p.x, p.y + 2 * g.R}, {p.x - g.W, p.y + g.R}}}, 4};
}

Rect SourceRect(int value, bool checkers, bool oddParity, CubeGeometry g) {
  const int k = value - 1;
  const int column = k % 6;
  const int pair = k / 6;
  const int pitch = g.H + GapY(g);
  const int x = (2 * g.W + GapX(g)) * column;
  const int y = 2 * pair * pitch + (checkers && oddParity ? pitch : 0);
  return {x, y, x + 2 * g.W, y + g.H};
}

}  // namespace kelvane
