// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing under a motion: cube places of the moment, sorted into painter's order each frame.
#include "render/moving_cubes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <tuple>

#include "render/cube_geometry.h"
#include "render/piece_numbers.h"

namespace kelvane {
namespace {

// Places a turn computes lie a rounding error off the lattice.
constexpr double kSlack = 1e-9;

Flight FlightOf(const CubeMotion& motion, int value, bool lifted) {
  if (motion.Still()) {
    return {};
  }
  if (lifted) {
    return motion.frame->lift;
  }
  const int k = value - PieceCellValue(0);
  return k >= 0 && k < kPieceCount ? motion.frame->drops[k] : Flight{};
}

// `front` lies wholly on the near side of `back` along some axis: the eye sees it first wherever
// their pictures meet.
bool WhollyNearer(const MovingCube& front, const MovingCube& back) {
  return front.x - back.x >= 1 - kSlack || front.y - back.y >= 1 - kSlack ||
         front.z - back.z >= 1 - kSlack;
}

// Layer by layer, then far to near within a layer: DrawCubeGrid's order on the lattice.
bool LatticeOrder(const MovingCube& a, const MovingCube& b) {
  return std::tuple(a.z, a.x + a.y) < std::tuple(b.z, b.x + b.y);
}

bool PicturesMeet(const MovingCube& a, const MovingCube& b, CubeGeometry g) {
  return std::abs(a.at.x - b.at.x) < 2 * g.W && std::abs(a.at.y - b.at.y) < g.H;
}

// Cubes off the lattice in height can stand partly above one behind them and partly below it:
// the order comes from each pair whose pictures meet, the lattice order deciding where neither
// stands wholly nearer (and where both do).
std::vector<MovingCube> PairwiseOrder(const std::vector<MovingCube>& cubes, CubeGeometry g) {
  const std::size_t n = cubes.size();
  std::vector<std::vector<std::size_t>> later(n);
  std::vector<int> earlierCount(n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (!PicturesMeet(cubes[i], cubes[j], g)) {
        continue;
      }
      const bool iNearer = WhollyNearer(cubes[i], cubes[j]);
      const bool jNearer = WhollyNearer(cubes[j], cubes[i]);
      const bool iFirst = iNearer != jNearer ? jNearer : !LatticeOrder(cubes[j], cubes[i]);
      later[iFirst ? i : j].push_back(iFirst ? j : i);
      ++earlierCount[iFirst ? j : i];
    }
  }
  std::vector<MovingCube> ordered;
  std::vector<bool> done(n, false);
  while (ordered.size() < n) {
    // The first free cube in lattice order; should a cycle leave none free, the first of all.
    std::size_t pick = n;
    for (const bool needFree : {true, false}) {
      for (std::size_t i = 0; i < n && pick == n; ++i) {
        if (!done[i] && (!needFree || earlierCount[i] == 0)) {
          pick = i;
          for (std::size_t k = i + 1; k < n; ++k) {
            if (!done[k] && (!needFree || earlierCount[k] == 0) &&
                LatticeOrder(cubes[k], cubes[pick])) {
              pick = k;
            }
          }
        }
      }
    }
    done[pick] = true;
    ordered.push_back(cubes[pick]);
    for (const std::size_t k : later[pick]) {
      --earlierCount[k];
    }
  }
  return ordered;
}

}  // namespace

CubeMotion CubeMotion::Turning(const MotionFrame& frame, Extents footprint, int shift) {
  CubeMotion motion;
  motion.frame = &frame;
  motion.footprint = footprint;
  motion.shift = shift;
  return motion;
}

void CubeMotion::Place(double a, double b, double t, double& x, double& y) const {
  x = a;
  y = b;
  if (!Turns()) {
    return;
  }
  // The layout keeps the footprint's centre where it was, so the figure turns about it; the
  // columns keep their places across the screen and slide up or down by half the change of width.
  const double width = footprint.x;
  const double depth = footprint.y;
  if (sliding) {
    const double slide = (width - depth) / 2 * (1 - t);
    if (a < 1) {
      x = a + slide;
      y = b + slide;
    } else if (b < 1) {
      x = a - slide;
      y = b - slide;
    }
    return;
  }
  const double centreX = shift + width / 2;
  const double centreY = shift + depth / 2;
  // One quarter turn forward came from -90 degrees, three from +90.
  const double start = frame->quarterTurns == 1 ? -std::numbers::pi / 2 : std::numbers::pi / 2;
  const double angle = start * (1 - t);
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  const double da = a - centreX;
  const double db = b - centreY;
  x = centreX + da * c - db * s;
  y = centreY + da * s + db * c;
}

std::vector<MovingCube> MovingCubes(const CellGrid& grid, const CellGrid* lifted, CubeGeometry g,
                                    Point origin, const CubeMotion& motion) {
  const double t = motion.Turns() ? motion.frame->turn : 1;
  std::vector<MovingCube> cubes;
  bool offLattice = false;
  const auto collect = [&](const CellGrid& cells, bool up) {
    for (int z = 0; z < kGridSize; ++z) {
      for (int y = 0; y < kGridSize; ++y) {
        for (int x = 0; x < kGridSize; ++x) {
          const int value = cells.at(x, y, z);
          const Flight flight = value < 1 ? Flight{} : FlightOf(motion, value, up);
          if (value < 1 || flight.alpha <= 0) {
            continue;
          }
          MovingCube cube;
          motion.Place(x + 0.5, y + 0.5, t, cube.x, cube.y);
          cube.z = z + flight.rise;
          offLattice = offLattice || flight.rise != std::floor(flight.rise);
          double nearX = 0;
          double nearY = 0;
          motion.Place(x + 0.5, y + 0.5, std::round(t), nearX, nearY);
          cube.odd = static_cast<long>(std::floor(nearX) + std::floor(nearY) + z) % 2 != 0;
          cube.value = value;
          cube.alpha = flight.alpha;
          cube.numbered = value >= PieceCellValue(0) && value <= PieceCellValue(kPieceCount - 1) &&
                          (z + 1 == kGridSize || cells.at(x, y, z + 1) < 1);
          // SpriteTopLeft, from the cube's centre of the moment.
          cube.at = {static_cast<int>(std::lround(origin.x + (cube.x - cube.y - 1) * g.W)),
                     static_cast<int>(
                         std::lround(origin.y + (cube.x + cube.y - 1) * g.R - (cube.z + 1) * g.E))};
          cubes.push_back(cube);
        }
      }
    }
  };
  collect(grid, false);
  if (lifted != nullptr) {
    collect(*lifted, true);
  }
  if (offLattice) {
    return PairwiseOrder(cubes, g);
  }
  std::stable_sort(cubes.begin(), cubes.end(), LatticeOrder);
  return cubes;
}

LitSprites::LitSprites(const Surface& sheet, int glow) : sheet_(sheet) {
  for (Pixel v = 0; v < channel_.size(); ++v) {
    channel_[v] = BlendPixel(kWhitePixel, v, glow) & 0xFFu;
  }
}

const Surface& LitSprites::Sprite(int value, bool odd, const Region& outline, Rect& from) {
  Surface& picture = lit_[2 * value + (odd ? 1 : 0)];
  if (picture.pixels.empty()) {
    picture = MakeSurface(from.right - from.left, from.bottom - from.top, kWhitePixel);
    // Only what the cube's outline lets through is ever copied from the picture.
    const int bottom = std::min(outline.bounds.bottom, picture.height);
    for (int row = std::max(outline.bounds.top, 0); row < bottom; ++row) {
      const RowSpans& spans = outline.rows[row - outline.bounds.top];
      const Pixel* sheetRow = sheet_.Row(from.top + row) + from.left;
      Pixel* litRow = picture.Row(row);
      for (int k = 0; k < spans.count; ++k) {
        const int end = std::min(spans.spans[k].end, picture.width);
        for (int column = std::max(spans.spans[k].begin, 0); column < end; ++column) {
          const Pixel p = sheetRow[column];
          litRow[column] = 0xFF000000u | channel_[(p >> 16) & 0xFFu] << 16 |
                           channel_[(p >> 8) & 0xFFu] << 8 | channel_[p & 0xFFu];
        }
      }
    }
  }
  from = {0, 0, picture.width, picture.height};
  return picture;
}

void DrawMovingCubeGrid(const Game& game, Surface& target, Point origin, const CellGrid& grid,
                        const CellGrid* lifted, Checkers checkers, CubeGeometry g,
                        bool pieceNumbers, const CubeMotion& motion) {
  if (motion.Still()) {
    DrawCubeGrid(game, target, origin, grid, nullptr, checkers, g, pieceNumbers);
    return;
  }
  const Surface& sheet = game.graphics.fieldSheet;
  const bool checkersOn =
      checkers == Checkers::On || (checkers == Checkers::AsSet && game.settings.SHOW_CHECKERS != 0);
  const Region outline = MakeRegion(CubeOutline(g));
  const auto source = [&](const MovingCube& cube, Rect& from) -> const Surface& {
    from = SourceRect(cube.value, checkersOn, cube.odd, g);
    return motion.lit != nullptr
               ? motion.lit->Sprite(cube.value, checkersOn && cube.odd, outline, from)
               : sheet;
  };
  for (const MovingCube& cube : MovingCubes(grid, lifted, g, origin, motion)) {
    Rect from;
    const Surface& picture = source(cube, from);
    if (cube.alpha >= 255) {
      CopyThrough(target, cube.at.x, cube.at.y, picture, from, outline);
    } else {
      BlendThrough(target, cube.at.x, cube.at.y, picture, from, outline, cube.alpha);
    }
    if (pieceNumbers && cube.numbered) {
      DrawPieceNumber(target, {cube.at.x + g.W, cube.at.y + g.R}, cube.value - 1, g);
    }
  }
}

Point ProjectMovingLattice(CubeGeometry g, Point origin, int a, int b, int c,
                           const CubeMotion& motion) {
  if (!motion.Turns()) {
    return ProjectLattice(g, origin, a, b, c);
  }
  double x = 0;
  double y = 0;
  motion.Place(a, b, motion.frame->turn, x, y);
  return {static_cast<int>(std::lround(origin.x + (x - y) * g.W)),
          static_cast<int>(std::lround(origin.y + (x + y) * g.R - c * g.E))};
}

Polygon MovingFloorDiamond(CubeGeometry g, Point figureOrigin, int x, int y, int c,
                           const CubeMotion& motion) {
  if (!motion.Turns()) {
    return FloorDiamond(g, figureOrigin, x, y, c);
  }
  const auto corner = [&](int a, int b) {
    return ProjectMovingLattice(g, figureOrigin, a, b, c, motion);
  };
  return {{{corner(x, y), corner(x + 1, y), corner(x + 1, y + 1), corner(x, y + 1)}}, 4};
}

}  // namespace kelvane
