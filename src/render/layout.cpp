// SPDX-License-Identifier: GPL-3.0-or-later
// Client-area layout and window fitting arithmetic.
#include "render/layout.h"

#include <algorithm>

#include "render/cube_geometry.h"

namespace kelvane {

namespace {

constexpr int kMargin = 16;
// Narrow screens have every pixel of their width counted.
constexpr int kStackedMargin = 8;
constexpr int kStackedColumns = 4;
constexpr int kStackedRows = kPanelItemCount / kStackedColumns;
constexpr int kStackedItemWidth = 88;
constexpr Size kStackedPanel = {.width = kStackedColumns * kStackedItemWidth,
                                .height = kStackedRows * kPanelItemSize};

// How far the shorter of the panel and the scene is pushed down to centre it against the other.
int PanelDrop(int sceneHeight) {
  return sceneHeight > kPanelHeight ? (sceneHeight - kPanelHeight) / 2 : 0;
}
int SceneDrop(int sceneHeight) {
  return sceneHeight < kPanelHeight ? (kPanelHeight - sceneHeight) / 2 : 0;
}

Size SceneSizeOf(Extents e, CubeGeometry g) {
  return {(e.x + e.y + 4) * g.W, (e.x + e.y + 4) * g.R + (e.z + 1) * g.E};
}

Size ClientSizeAt(const Game& game, CubeGeometry g, bool stacked) {
  const Size scene = SceneSizeOf(GridExtents(game.figure), g);
  if (stacked) {
    const int scenes = game.createMode != 0 ? 1 : 2;
    return {std::max(kStackedPanel.width, scene.width) + 2 * kStackedMargin,
            kStackedPanel.height + scenes * scene.height + (scenes + 2) * kStackedMargin};
  }
  const int width = game.createMode != 0 ? scene.width + 144 : 2 * scene.width + 160;
  return {width, std::max(scene.height, kPanelHeight) + 2 * kMargin};
}

bool Within(Size size, Size room) {
  return size.width <= room.width && size.height <= room.height;
}

ClientLayout LayOutStacked(const Game& game, ClientLayout l) {
  const CubeGeometry g = game.fieldGeometry;
  const Extents e = l.figure;
  const Point o = game.layoutOrigin;
  const int width = ClientSizeAt(game, g, true).width;
  const int panelLeft = o.x + (width - kStackedPanel.width) / 2;
  const int panelTop = o.y + kStackedMargin;
  l.panel = {panelLeft, panelTop, panelLeft + kStackedPanel.width, panelTop + kStackedPanel.height};
  const int viewLeft = o.x + (width - l.scene.width) / 2;
  const int viewTop = l.panel.bottom + kStackedMargin;
  l.fieldView = {viewLeft, viewTop, viewLeft + l.scene.width, viewTop + l.scene.height};
  l.helperOrigin = {viewLeft + (e.y + 2) * g.W, viewTop + (e.z + 1) * g.E};
  l.previewOrigin = {l.helperOrigin.x, l.helperOrigin.y + l.scene.height + kStackedMargin};
  l.figureOrigin = FigureOrigin(g, l.helperOrigin);
  return l;
}

}  // namespace

ClientLayout LayOutClient(const Game& game) {
  ClientLayout l;
  const CubeGeometry g = game.fieldGeometry;
  const Extents e = GridExtents(game.figure);
  l.figure = e;
  l.scene = SceneSizeOf(e, g);
  if (game.stackedLayout) {
    return LayOutStacked(game, l);
  }
  const Point o = game.layoutOrigin;
  const int panelTop = o.y + kMargin + PanelDrop(l.scene.height);
  l.panel = {o.x + kMargin, panelTop, o.x + kMargin + kPanelWidth, panelTop + kPanelHeight};
  const int viewLeft = o.x + 2 * kMargin + kPanelWidth;
  const int viewTop = o.y + kMargin + SceneDrop(l.scene.height);
  l.fieldView = {viewLeft, viewTop, viewLeft + l.scene.width, viewTop + l.scene.height};
  l.helperOrigin = {viewLeft + (e.y + 2) * g.W, viewTop + (e.z + 1) * g.E};
  l.previewOrigin = {l.helperOrigin.x + l.scene.width + kMargin, l.helperOrigin.y};
  l.figureOrigin = FigureOrigin(g, l.helperOrigin);
  return l;
}

Size SceneSize(const Game& game) {
  return LayOutClient(game).scene;
}

Size RequiredClientSize(const Game& game) {
  return ClientSizeAt(game, game.fieldGeometry, game.stackedLayout);
}

Rect PanelItemRect(const Game& game, int item) {
  if (!game.stackedLayout) {
    return {0, item * kPanelItemSize, kPanelWidth, (item + 1) * kPanelItemSize};
  }
  const int left = item % kStackedColumns * kStackedItemWidth;
  const int top = item / kStackedColumns * kPanelItemSize;
  return {left, top, left + kStackedItemWidth, top + kPanelItemSize};
}

Rect PanelItemClientRect(const Game& game, int item) {
  const Rect panel = PanelRect(game);
  const Rect r = PanelItemRect(game, item);
  return {panel.left + r.left, panel.top + r.top, panel.left + r.right, panel.top + r.bottom};
}

int ScaleThatFits(const Game& game, FrameMargins margins, Size available) {
  const Size room{available.width - margins.left - margins.right,
                  available.height - margins.top - margins.bottom};
  for (int scale = DrawnScale(game.settings.SCALE); scale > kSmallestScale; --scale) {
    if (Within(ClientSizeAt(game, FieldGeometry(scale), game.stackedLayout), room)) {
      return scale;
    }
  }
  return kSmallestScale;
}

PageFit FitToViewport(const Game& game, Size viewport) {
  PageFit fit;
  fit.stacked = ClientSizeAt(game, FieldGeometry(kSmallestScale), false).width > viewport.width;
  for (int scale = DrawnScale(game.settings.SCALE); scale >= kSmallestScale; --scale) {
    const Size client = ClientSizeAt(game, FieldGeometry(scale), fit.stacked);
    if (Within(client, viewport)) {
      fit.scale = scale;
      return fit;
    }
    if (fit.scale == 0 && client.width <= viewport.width) {
      fit.scale = scale;
    }
  }
  fit.scale = std::max(fit.scale, kSmallestScale);
  return fit;
}

Rect RequiredWindowRect(const Game& game, FrameMargins margins) {
  const Size client = RequiredClientSize(game);
  Rect r{-margins.left, -margins.top, client.width + margins.right, client.height + margins.bottom};
  if (r.Width() > game.graphics.screenWidth) {
    r.right = r.left + game.graphics.screenWidth;
  }
  if (r.Height() > game.graphics.screenHeight) {
    r.bottom = r.top + game.graphics.screenHeight;
  }
  return r;
}

Rect PanelRect(const Game& game) {
  return LayOutClient(game).panel;
}
Rect FieldViewRect(const Game& game) {
  return LayOutClient(game).fieldView;
}
Point HelperOrigin(const Game& game) {
  return LayOutClient(game).helperOrigin;
}
Point PreviewOrigin(const Game& game) {
  return LayOutClient(game).previewOrigin;
}

Point FigureOrigin(CubeGeometry g, Point helperOrigin) {
  return {helperOrigin.x, helperOrigin.y + 2 * g.R - g.E};
}

Rect FittedWindowRect(const Game& game, FrameMargins margins, bool visible, Rect normal) {
  const Rect required = RequiredWindowRect(game, margins);
  const int width = required.Width();
  const int height = required.Height();
  if (!visible) {
    const int left = std::max(game.graphics.screenWidth / 2 - width / 2, 0);
    const int top = std::max(game.graphics.screenHeight / 2 - height / 2, 0);
    return {left, top, left + width, top + height};
  }
  return {normal.left, normal.top, normal.left + std::max(width, normal.Width()),
          normal.top + std::max(height, normal.Height())};
}

Rect KeptOnScreen(Rect window, Rect available) {
  const int width = std::min(window.Width(), available.Width());
  const int height = std::min(window.Height(), available.Height());
  const int left = std::max(std::min(window.left, available.right - width), available.left);
  const int top = std::max(std::min(window.top, available.bottom - height), available.top);
  return {left, top, left + width, top + height};
}

Rect PlaceContent(Game& game, Size client) {
  game.graphics.clientWidth = client.width;
  game.graphics.clientHeight = client.height;
  const Size required = RequiredClientSize(game);
  game.layoutOrigin = {
      client.width >= required.width ? (client.width - required.width) / 2 : 0,
      client.height >= required.height ? (client.height - required.height) / 2 : 0};
  return PanelRect(game);
}

std::array<Rect, 4> FrameCopyRects(const Game& game) {
  const Rect panel = PanelRect(game);
  const int cx = game.graphics.screenWidth;
  const int cy = game.graphics.screenHeight;
  return {{{0, 0, cx, panel.top},
           {0, 0, panel.left, cy},
           {panel.right, 0, cx, cy},
           {0, panel.bottom, cx, cy}}};
}

}  // namespace kelvane
