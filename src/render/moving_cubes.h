// SPDX-License-Identifier: GPL-3.0-or-later
// Cube grids, lattice points and floor diamonds drawn where a motion has them at one moment.
#pragma once

#include <array>
#include <vector>

#include "model/cell_grid.h"
#include "model/game.h"
#include "model/motion_timeline.h"
#include "render/draw_cube_grid.h"
#include "render/region.h"

namespace kelvane {

// The field's sprites lit by the win's light, each lit the first time a frame draws it and then
// copied like the sheet's own by every grid of that frame: lighting every cube as it is drawn, or
// every sprite for each grid, would cost as much again as the frame.
class LitSprites {
 public:
  LitSprites(const Surface& sheet, int glow);
  // The lit picture of the sheet's sprite at `from`, which becomes the picture's own rectangle;
  // `odd` only where the checkers make the odd cells' sprite another.
  const Surface& Sprite(int value, bool odd, const Region& outline, Rect& from);

 private:
  const Surface& sheet_;
  // The light treats every channel alike: one table of a channel's values lights all three, a
  // third of the work of blending pixel by pixel.
  std::array<Pixel, 256> channel_{};
  std::array<Surface, 2 * (kMarkedCell + 1)> lit_;
};

// One grid's view of a motion frame: where the turn has its cells, and the pieces in flight.
struct CubeMotion {
  const MotionFrame* frame = nullptr;
  // The footprint the grid's cells lie on now, its cell (0, 0) at the grid's (shift, shift).
  Extents footprint;
  int shift = 0;
  // Layer columns stand at the footprint's side corners: they slide to their new places as the
  // footprint's width and depth trade places, instead of turning with it.
  bool sliding = false;
  // The grid holds picked-up pieces, drawn on their way up.
  bool lifting = false;
  // The win's light, where the cubes are lit.
  LitSprites* lit = nullptr;

  static CubeMotion Turning(const MotionFrame& frame, Extents footprint, int shift = 0);
  bool Still() const { return frame == nullptr || frame->still; }
  bool Turns() const { return !Still() && frame->quarterTurns != 0; }
  // Where point (a, b) of the grid is at the turn's progress `t`: as it stood before the turn at
  // 0, where it stands now at 1.
  void Place(double a, double b, double t, double& x, double& y) const;
};

// One cube of a frame: its centre of the moment in cells, and where and how it is drawn.
struct MovingCube {
  double x = 0;
  double y = 0;
  double z = 0;
  int value = 0;
  // The cell's parity for the checkers: of the cell the cube is nearer, before or after the turn.
  bool odd = false;
  int alpha = 255;
  // A piece's cube with its top open, where a piece number goes.
  bool numbered = false;
  Point at;
};

// The cubes of `grid` (and of `lifted`, on their way up) where the motion has them, in the order
// they are drawn: no cube is drawn before one that stands wholly behind it and overlaps it on
// the screen. On the lattice that is DrawCubeGrid's order.
std::vector<MovingCube> MovingCubes(const CellGrid& grid, const CellGrid* lifted, CubeGeometry g,
                                    Point origin, const CubeMotion& motion);

// DrawCubeGrid under a motion, cube by cube in MovingCubes' order, those in flight blended in or
// out; a still motion draws exactly DrawCubeGrid's picture.
void DrawMovingCubeGrid(const Game& game, Surface& target, Point origin, const CellGrid& grid,
                        const CellGrid* lifted, Checkers checkers, CubeGeometry g,
                        bool pieceNumbers, const CubeMotion& motion);

// ProjectLattice of the lattice point where the motion's turn has it now.
Point ProjectMovingLattice(CubeGeometry g, Point origin, int a, int b, int c,
                           const CubeMotion& motion);

// FloorDiamond of the cell where the motion's turn has it now.
Polygon MovingFloorDiamond(CubeGeometry g, Point figureOrigin, int x, int y, int c,
                           const CubeMotion& motion);

}  // namespace kelvane
