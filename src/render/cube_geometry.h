// SPDX-License-Identifier: GPL-3.0-or-later
// Cube sprite sizes, the isometric projection, cube outline and floor diamond, sprite lookup.
#pragma once

#include "model/game.h"
#include "render/region.h"
#include "render/surface.h"

namespace kelvane {

inline constexpr int kSmallestScale = 2;
inline constexpr int kLargestScale = 8;
inline constexpr int kDefaultScale = 4;

// The scale-1 sizes; thumbnails are drawn with this geometry only, recognised by its W.
inline constexpr CubeGeometry kThumbnailGeometry{9, 6, 9, 21};

// The scale drawn for a SCALE value: itself when 2…8, else 4.
int DrawnScale(int scale);
// W = 9s, R = 6s, E = 74s/8, H = 172s/8 for the drawn scale s.
CubeGeometry FieldGeometry(int scale);
// Room left between sprites in a sheet drawn for this geometry: 16W/72 across, 8W/72 down.
int GapX(CubeGeometry g);
int GapY(CubeGeometry g);

// Lattice point (a, b, c) of a grid drawn at `origin`.
Point ProjectLattice(CubeGeometry g, Point origin, int a, int b, int c);
// Top-left corner of the sprite of cell (x, y, z).
Point SpriteTopLeft(CubeGeometry g, Point origin, int x, int y, int z);

// The sprite's hexagon relative to its top-left corner.
Polygon CubeOutline(CubeGeometry g);
// The rhombus of cell (x, y) on plane c, for a grid drawn at `figureOrigin`; its bounding box is
// (px − W, py) with size 2W × 2R, (px, py) being the projection of (x, y, c).
Polygon FloorDiamond(CubeGeometry g, Point figureOrigin, int x, int y, int c);

// Where the sprite of cell value v (1…12) sits in a sheet shrunk for this geometry; with checkers
// on, odd parity takes the lighter copy one row pitch (H + gap y) lower.
Rect SourceRect(int value, bool checkers, bool oddParity, CubeGeometry g);

}  // namespace kelvane
