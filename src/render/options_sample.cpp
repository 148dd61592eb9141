// SPDX-License-Identifier: GPL-3.0-or-later
// Composing the Options dialog's sample with the one drawing primitive.
#include "render/options_sample.h"

#include "render/cube_geometry.h"
#include "render/device_pixels.h"
#include "render/draw_cube_grid.h"

namespace kelvane {
namespace {

constexpr int kSampleSlot = 64;
constexpr Point kSampleSquareOrigin{224, 96};

CellGrid SampleSquare() {
  CellGrid square{};
  for (int x = 0; x < 2; ++x) {
    for (int y = 0; y < 2; ++y) {
      square.at(x, y, 0) = kPlainCube;
    }
  }
  return square;
}

}  // namespace

void ComposeOptionsSample(const Game& game, Surface& target, const Surface& thumbnailSheet,
                          const Settings& shown) {
  static const CellGrid square = SampleSquare();
  FillRect(target, {0, 0, target.width, target.height}, PixelFromColour(shown.COLOR_BACK));
  const Checkers checkers = shown.SHOW_CHECKERS != 0 ? Checkers::On : Checkers::Off;
  const int ratio = game.graphics.pixelRatio;
  const CubeGeometry g = ScaledGeometry(game.thumbnailGeometry, ratio);
  for (int k = 0; k < kPieceCount; ++k) {
    const Point origin{(k % 4) * kSampleSlot + kSampleSlot / 2,
                       (k / 4) * kSampleSlot + kSampleSlot / 2};
    DrawCubeGrid(game, target, ScaledPoint(origin, ratio), game.pieceGrids[k], &thumbnailSheet,
                 checkers, g);
  }
  DrawCubeGrid(game, target, ScaledPoint(kSampleSquareOrigin, ratio), square, &thumbnailSheet,
               checkers, g);
}

}  // namespace kelvane
