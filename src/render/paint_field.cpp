// SPDX-License-Identifier: GPL-3.0-or-later
// PaintField: the field view cut open at the current layer, its helpers and the target preview.
#include "render/paint_field.h"

#include <optional>
#include <utility>

#include "model/create_mode.h"
#include "model/placement.h"
#include "render/cube_geometry.h"
#include "render/cursor_mark.h"
#include "render/device_pixels.h"
#include "render/draw_cube_grid.h"
#include "render/helper_shapes.h"
#include "render/hit_test.h"
#include "render/layout.h"
#include "render/moving_cubes.h"

namespace kelvane {

namespace {

constexpr int kTintOnFigure = 191;
constexpr int kTintOffFigure = 127;

// Empties the cells with x < X, y < Y and zFrom ≤ z < zTo.
void ClearLayers(CellGrid& grid, Extents e, int zFrom, int zTo) {
  for (int z = zFrom; z < zTo; ++z) {
    for (int y = 0; y < e.y; ++y) {
      for (int x = 0; x < e.x; ++x) {
        grid.at(x, y, z) = kEmptyCell;
      }
    }
  }
}

// What stands on the Field: the placement preview unless building by cubes, hidden pieces removed.
CellGrid Scene(const Game& game, Platform& platform) {
  CellGrid scene;
  if (InCreateByCubesMode(game)) {
    scene = game.field;
  } else {
    ComposePlacement(game, platform, PreviewCell(game, platform), scene);
  }
  for (int k = 0; k < kPieceCount; ++k) {
    if (game.hideFlags[k] != 0) {
      ClearCellValue(scene, PieceCellValue(k));
    }
  }
  return scene;
}

// The floor plate turns with the figure; the layer columns slide to the corners of the turned
// footprint.
void DrawHelpers(Game& game, CubeGeometry g, Point helperOrigin, Extents e, int level,
                 const MotionFrame& frame) {
  if (game.settings.SHOW_HELPERS == 0) {
    return;
  }
  Surface& target = game.graphics.backBuffer;
  DrawMovingCubeGrid(game, target, helperOrigin, FloorPlate(e), nullptr, Checkers::AsSet, g, false,
                     CubeMotion::Turning(frame, e, 1));
  CubeMotion columns = CubeMotion::Turning(frame, e);
  columns.sliding = true;
  DrawMovingCubeGrid(game, target, helperOrigin, LayerColumns(e, level), nullptr, Checkers::Off, g,
                     false, columns);
}

// One logical pixel wide: as many device-pixel lines, one under the other.
void DrawLayerGrid(Game& game, CubeGeometry g, Point origin, Extents e, int layer,
                   const CubeMotion& motion) {
  const Pixel ink = PixelFromColour(game.settings.COLOR_INK);
  // Drawn downwards, as the still grid's lines run: a turn brings the other family's lines
  // round the other way, and a line's pixels depend on its direction.
  const auto line = [&](Point from, Point to) {
    if (to.y < from.y) {
      std::swap(from, to);
    }
    for (int dy = 0; dy < game.graphics.pixelRatio; ++dy) {
      DrawLine(game.graphics.backBuffer, from.x, from.y + dy, to.x, to.y + dy, ink);
    }
  };
  const auto lattice = [&](int a, int b) {
    return ProjectMovingLattice(g, origin, a, b, layer, motion);
  };
  for (int i = 0; i <= e.x; ++i) {
    line(lattice(i, 0), lattice(i, e.y));
  }
  for (int j = 0; j <= e.y; ++j) {
    line(lattice(0, j), lattice(e.x, j));
  }
}

void DrawTargetPreview(Game& game, CubeGeometry g, const ClientLayout& layout,
                       const MotionFrame& frame) {
  const Extents e = layout.figure;
  const Point helperOrigin = layout.previewOrigin;
  DrawHelpers(game, g, helperOrigin, e, game.shownLayers, frame);
  CellGrid shown = game.figure;
  if (game.shownLayers < e.z) {
    ClearLayers(shown, e, game.shownLayers, e.z);
  }
  DrawMovingCubeGrid(game, game.graphics.backBuffer, FigureOrigin(g, helperOrigin), shown, nullptr,
                     Checkers::AsSet, g, false, CubeMotion::Turning(frame, e));
}

// Tints the layer's diamonds where a turn has them now: each its own shape, as the turned
// diamonds are no longer copies of one another.
void DrawTurningTint(Game& game, CubeGeometry g, const ClientLayout& layout, int layer,
                     const CubeMotion& motion) {
  const Extents e = layout.figure;
  for (int y = 0; y < e.y; ++y) {
    for (int x = 0; x < e.x; ++x) {
      const bool onFigure = game.createMode != 0 || game.figure.at(x, y, layer) != kEmptyCell;
      const Polygon diamond = MovingFloorDiamond(g, layout.figureOrigin, x, y, layer, motion);
      const Rect box = Bounds(diamond);
      BlendThrough(game.graphics.backBuffer, box.left, box.top, game.graphics.inkSurface,
                   {0, 0, box.Width(), box.Height()},
                   MakeRegion(Translated(diamond, {-box.left, -box.top})),
                   onFigure ? kTintOnFigure : kTintOffFigure);
    }
  }
}

// A won game shows its figure whole: drawn as from the lowest layer, whatever layer is current.
int CutLayer(const Game& game) {
  return game.createMode == 0 && AllPiecesOnField(game) ? 0 : game.currentLayer;
}

}  // namespace

void DrawLayerTint(Game& game, const ClientLayout& logicalLayout) {
  const int ratio = game.graphics.pixelRatio;
  const ClientLayout layout = ScaledLayout(logicalLayout, ratio);
  const Extents e = layout.figure;
  const CubeGeometry g = ScaledGeometry(game.fieldGeometry, ratio);
  const int layer = CutLayer(game);
  // Every diamond is the first one moved by whole pixels, and so is its coverage.
  const Polygon first = FloorDiamond(g, layout.figureOrigin, 0, 0, layer);
  const Rect firstBox = Bounds(first);
  const Region diamond = MakeRegion(Translated(first, {-firstBox.left, -firstBox.top}));
  for (int y = 0; y < e.y; ++y) {
    for (int x = 0; x < e.x; ++x) {
      const bool onFigure = game.createMode != 0 || game.figure.at(x, y, layer) != kEmptyCell;
      const Rect box = Bounds(FloorDiamond(g, layout.figureOrigin, x, y, layer));
      BlendThrough(game.graphics.backBuffer, box.left, box.top, game.graphics.inkSurface,
                   {0, 0, 2 * g.W, 2 * g.R}, diamond, onFigure ? kTintOnFigure : kTintOffFigure);
    }
  }
}

void PaintField(Game& game, Platform& platform, const CopyToScreen& copy) {
  Graphics& graphics = game.graphics;
  Surface& target = graphics.backBuffer;
  const int ratio = graphics.pixelRatio;
  // Only the client area can ever be seen; filling the rest of a screen-sized buffer would cost
  // most of the frame.
  const bool fitted = graphics.clientWidth > 0 && graphics.clientHeight > 0;
  const Rect shown = fitted ? Rect{0, 0, graphics.clientWidth, graphics.clientHeight}
                            : Rect{0, 0, graphics.screenWidth, graphics.screenHeight};
  FillRect(target, ScaledRect(shown, ratio), PixelFromColour(game.settings.COLOR_BACK));
  const ClientLayout logicalLayout = LayOutClient(game);
  const Rect panel = logicalLayout.panel;
  FillRect(target,
           ScaledRect({panel.left - 1, panel.top - 1, panel.right + 1, panel.bottom + 1}, ratio),
           PixelFromColour(game.settings.COLOR_INK));

  // Drawn at device pixels from here on.
  const ClientLayout layout = ScaledLayout(logicalLayout, ratio);
  const CubeGeometry g = ScaledGeometry(game.fieldGeometry, ratio);
  const Extents e = layout.figure;
  const int layer = CutLayer(game);
  const Point figureOrigin = layout.figureOrigin;
  const MotionFrame frame = MotionFrameAt(game.motion, platform.Milliseconds());
  CubeMotion motion = CubeMotion::Turning(frame, e);
  std::optional<LitSprites> lit;
  if (frame.glow > 0) {
    motion.lit = &lit.emplace(game.graphics.fieldSheet, frame.glow);
  }
  DrawHelpers(game, g, layout.helperOrigin, e, layer, frame);

  const CellGrid scene = Scene(game, platform);
  const bool lifting = !frame.still && game.motion.lifted.cells != CellGrid{}.cells;
  // Both passes split the scene and the pieces being lifted out of it at the current layer.
  const auto drawLayers = [&](int from, int to) {
    CellGrid pass = scene;
    CellGrid lifted = game.motion.lifted;
    for (CellGrid* grid : {&pass, &lifted}) {
      ClearLayers(*grid, e, 0, from);
      ClearLayers(*grid, e, to, e.z);
    }
    DrawMovingCubeGrid(game, target, figureOrigin, pass, lifting ? &lifted : nullptr,
                       Checkers::AsSet, g, game.extras.pieceNumbers, motion);
  };
  drawLayers(0, layer);

  DrawLayerGrid(game, g, figureOrigin, e, layer, motion);
  if (motion.Still()) {
    DrawLayerTint(game, logicalLayout);
  } else {
    DrawTurningTint(game, g, layout, layer, motion);
  }

  // Building by cubes shows the current layer alone.
  drawLayers(layer, InCreateByCubesMode(game) ? layer + 1 : e.z);
  if (frame.still) {
    DrawFieldCursor(game, logicalLayout);
  }

  if (game.createMode == 0) {
    DrawTargetPreview(game, g, layout, frame);
  }
  std::array<Rect, 4> areas = FrameCopyRects(game);
  for (Rect& area : areas) {
    area = ScaledRect(area, ratio);
  }
  copy(target, areas);
}

}  // namespace kelvane
