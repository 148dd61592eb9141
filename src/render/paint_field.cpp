// SPDX-License-Identifier: GPL-3.0-or-later
// PaintField: the field view cut open at the current layer, its helpers and the target preview.
#include "render/paint_field.h"

#include "model/create_mode.h"
#include "model/placement.h"
#include "render/cube_geometry.h"
#include "render/cursor_mark.h"
#include "render/device_pixels.h"
#include "render/draw_cube_grid.h"
#include "render/helper_shapes.h"
#include "render/hit_test.h"
#include "render/layout.h"

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

void DrawHelpers(Game& game, CubeGeometry g, Point helperOrigin, Extents e, int level) {
  if (game.settings.SHOW_HELPERS == 0) {
    return;
  }
  Surface& target = game.graphics.backBuffer;
  DrawCubeGrid(game, target, helperOrigin, FloorPlate(e), nullptr, Checkers::AsSet, g);
  DrawCubeGrid(game, target, helperOrigin, LayerColumns(e, level), nullptr, Checkers::Off, g);
}

// One logical pixel wide: as many device-pixel lines, one under the other.
void DrawLayerGrid(Game& game, CubeGeometry g, Point origin, Extents e) {
  const int layer = game.currentLayer;
  const Pixel ink = PixelFromColour(game.settings.COLOR_INK);
  const auto line = [&](Point from, Point to) {
    for (int dy = 0; dy < game.graphics.pixelRatio; ++dy) {
      DrawLine(game.graphics.backBuffer, from.x, from.y + dy, to.x, to.y + dy, ink);
    }
  };
  for (int i = 0; i <= e.x; ++i) {
    line(ProjectLattice(g, origin, i, 0, layer), ProjectLattice(g, origin, i, e.y, layer));
  }
  for (int j = 0; j <= e.y; ++j) {
    line(ProjectLattice(g, origin, 0, j, layer), ProjectLattice(g, origin, e.x, j, layer));
  }
}

void DrawTargetPreview(Game& game, CubeGeometry g, const ClientLayout& layout) {
  const Extents e = layout.figure;
  const Point helperOrigin = layout.previewOrigin;
  DrawHelpers(game, g, helperOrigin, e, game.shownLayers);
  CellGrid shown = game.figure;
  if (game.shownLayers < e.z) {
    ClearLayers(shown, e, game.shownLayers, e.z);
  }
  DrawCubeGrid(game, game.graphics.backBuffer, FigureOrigin(g, helperOrigin), shown, nullptr,
               Checkers::AsSet, g);
}

}  // namespace

void DrawLayerTint(Game& game, const ClientLayout& logicalLayout) {
  const int ratio = game.graphics.pixelRatio;
  const ClientLayout layout = ScaledLayout(logicalLayout, ratio);
  const Extents e = layout.figure;
  const CubeGeometry g = ScaledGeometry(game.fieldGeometry, ratio);
  const int layer = game.currentLayer;
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
  const int layer = game.currentLayer;
  const Point figureOrigin = layout.figureOrigin;
  DrawHelpers(game, g, layout.helperOrigin, e, layer);

  const CellGrid scene = Scene(game, platform);
  CellGrid pass = scene;
  if (layer < e.z) {
    ClearLayers(pass, e, layer, e.z);
  }
  DrawCubeGrid(game, target, figureOrigin, pass, nullptr, Checkers::AsSet, g,
               game.extras.pieceNumbers);

  DrawLayerGrid(game, g, figureOrigin, e);
  DrawLayerTint(game, logicalLayout);

  pass = scene;
  if (layer > 0) {
    ClearLayers(pass, e, 0, layer);
  }
  if (InCreateByCubesMode(game)) {
    ClearLayers(pass, e, layer + 1, e.z);  // building by cubes shows the current layer alone
  }
  DrawCubeGrid(game, target, figureOrigin, pass, nullptr, Checkers::AsSet, g,
               game.extras.pieceNumbers);
  DrawFieldCursor(game, logicalLayout);

  if (game.createMode == 0) {
    DrawTargetPreview(game, g, layout);
  }
  std::array<Rect, 4> areas = FrameCopyRects(game);
  for (Rect& area : areas) {
    area = ScaledRect(area, ratio);
  }
  copy(target, areas);
}

}  // namespace kelvane
