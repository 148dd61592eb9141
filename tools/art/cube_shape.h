// SPDX-License-Identifier: GPL-3.0-or-later
// Where the outline and the three visible faces of a cube sprite lie, for any sprite size.
#pragma once

#include "vec3.h"

namespace kelvane::art {

// A sprite's size: half-width w, rise r of each top-face edge, vertical edge e. The sprite is
// 2w wide and 2r + e high; its outline is the hexagon (w,0) (2w,r) (2w,r+e) (w,2r+e) (0,r+e) (0,r).
struct CubeSize {
  double w = 0, r = 0, e = 0;
  double Height() const { return 2 * r + e; }
};

// The skins' sprite size: the largest cube geometry (W 72, R 48, H 172).
inline constexpr CubeSize kSheetCube{72, 48, 76};

enum class Face { kTop, kLeft, kRight };

// A point of the unit cube's surface seen at a sprite position. (a, b, c) run along x (down to the
// right), y (down to the left) and z (up); the face's own coordinate is 1. (u, v) are the two free
// coordinates of the face, and axisU / axisV their directions.
struct SurfacePoint {
  Face face = Face::kTop;
  Vec3 position;
  Vec3 normal;
  double u = 0, v = 0;
  Vec3 axisU, axisV;
};

// The face under sprite position (x, y), relative to the sprite's top-left corner; positions
// outside the outline map to the nearest point of the face on that side.
SurfacePoint SurfaceAt(const CubeSize& size, double x, double y);

// Signed distance to the outline, positive inside. Outside it never exceeds the true distance.
double OutlineDistance(const CubeSize& size, double x, double y);

// Distance to the three edges that meet at the cube's front corner.
double InnerEdgeDistance(const CubeSize& size, double x, double y);

}  // namespace kelvane::art
