// SPDX-License-Identifier: GPL-3.0-or-later
// Sprite-space geometry of a cube: the outline hexagon and the inverse of the projection.
#include "cube_shape.h"

#include <algorithm>
#include <array>

namespace kelvane::art {
namespace {

struct Point {
  double x, y;
};

std::array<Point, 6> Outline(const CubeSize& s) {
  return {{{s.w, 0},
           {2 * s.w, s.r},
           {2 * s.w, s.r + s.e},
           {s.w, s.Height()},
           {0, s.r + s.e},
           {0, s.r}}};
}

double SegmentDistance(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double t =
      std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

SurfacePoint OnFace(Face face, Vec3 position) {
  position = {std::clamp(position.x, 0.0, 1.0), std::clamp(position.y, 0.0, 1.0),
              std::clamp(position.z, 0.0, 1.0)};
  const Vec3 ex{1, 0, 0}, ey{0, 1, 0}, ez{0, 0, 1};
  switch (face) {
    case Face::kTop:
      return {face, position, ez, position.x, position.y, ex, ey};
    case Face::kLeft:
      return {face, position, ey, position.x, position.z, ex, ez};
    case Face::kRight:
      break;
  }
  return {face, position, ex, position.y, position.z, ey, ez};
}

}  // namespace

SurfacePoint SurfaceAt(const CubeSize& s, double x, double y) {
  const double across = (x - s.w) / s.w;  // a - b on the top face
  const double down = y / s.r;            // a + b on the top face
  const bool left = x < s.w;
  // The top face ends at the two edges running from the side corners to the front corner.
  const double topEdge = left ? s.r + x * s.r / s.w : 2 * s.r - (x - s.w) * s.r / s.w;
  if (y < topEdge) {
    return OnFace(Face::kTop, {(down + across) / 2, (down - across) / 2, 1});
  }
  if (left) {
    const double a = x / s.w;
    return OnFace(Face::kLeft, {a, 1, 1 - (y - (a + 1) * s.r) / s.e});
  }
  const double b = 2 - x / s.w;
  return OnFace(Face::kRight, {1, b, 1 - (y - (b + 1) * s.r) / s.e});
}

double OutlineDistance(const CubeSize& s, double x, double y) {
  const auto hex = Outline(s);
  double inside = 1e9;
  for (std::size_t i = 0; i < hex.size(); ++i) {
    const Point a = hex[i], b = hex[(i + 1) % hex.size()];
    const double dx = b.x - a.x, dy = b.y - a.y;
    // The hexagon runs clockwise on screen (y down), so (-dy, dx) points inward.
    inside = std::min(inside, (-dy * (x - a.x) + dx * (y - a.y)) / std::hypot(dx, dy));
  }
  return inside;
}

double InnerEdgeDistance(const CubeSize& s, double x, double y) {
  const Point p{x, y}, front{s.w, 2 * s.r};
  return std::min({SegmentDistance(p, front, {0, s.r}), SegmentDistance(p, front, {2 * s.w, s.r}),
                   SegmentDistance(p, front, {s.w, s.Height()})});
}

}  // namespace kelvane::art
