// SPDX-License-Identifier: GPL-3.0-or-later
// Client-area layout and window fitting, against the worked values for the default figure.
#include "render/layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "render/cube_geometry.h"
#include "support/test_game.h"

namespace kelvane {
namespace {

std::unique_ptr<Game> DefaultFigureAtScale(int scale, Point layoutOrigin = {}) {
  auto game = testing::NewInitialisedGame();
  game->fieldGeometry = FieldGeometry(scale);
  game->graphics.screenWidth = 1920;
  game->graphics.screenHeight = 1080;
  game->layoutOrigin = layoutOrigin;
  return game;
}

TEST(Layout, DefaultFigureAtScaleFourMatchesTheWorkedValues) {
  const Point o{11, 7};
  auto game = DefaultFigureAtScale(4, o);
  EXPECT_EQ(SceneSize(*game), (Size{432, 436}));
  EXPECT_EQ(RequiredClientSize(*game), (Size{1024, 544}));
  EXPECT_EQ(PanelRect(*game), (Rect{o.x + 16, o.y + 16, o.x + 112, o.y + 528}));
  EXPECT_EQ(FieldViewRect(*game).top, o.y + 54);
  EXPECT_EQ(FieldViewRect(*game).left, o.x + 128);
  EXPECT_EQ(HelperOrigin(*game), (Point{o.x + 380, o.y + 202}));
  EXPECT_EQ(PreviewOrigin(*game), (Point{o.x + 828, o.y + 202}));
  EXPECT_EQ(FigureOrigin(game->fieldGeometry, HelperOrigin(*game)),
            (Point{o.x + 380, o.y + 202 + 48 - 37}));
}

// Whichever of the panel (512 high) and the scene is shorter is centred against the other.
TEST(Layout, TheShorterOfPanelAndSceneDropsToCentre) {
  const struct {
    int scale, blockX;  // 0: the default figure
    bool create;
    Size client;
    int sceneHeight, panelTop, viewTop;
  } table[] = {
      {4, 0, true, {432 + 144, 544}, 436, 16, 16 + (512 - 436) / 2},  // no room for a preview
      {8, 0, false, {2 * 864 + 160, 872 + 32}, 872, 16 + (872 - 512) / 2, 16},
      // (9 + 1 + 4)·30 + 2·46 = 512: neither drops.
      {5, 9, false, {2 * 630 + 160, 512 + 32}, 512, 16, 16},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.scale);
    auto game = DefaultFigureAtScale(row.scale);
    game->createMode = row.create ? 1 : 0;
    if (row.blockX != 0) {  // a Figure of one row of X cubes
      game->figure.Clear();
      for (int i = 0; i < row.blockX; ++i) {
        game->figure.at(i, 0, 0) = kPlainCube;
      }
    }
    EXPECT_EQ(SceneSize(*game).height, row.sceneHeight);
    EXPECT_EQ(RequiredClientSize(*game), row.client);
    EXPECT_EQ(PanelRect(*game).top, row.panelTop);
    EXPECT_EQ(FieldViewRect(*game).top, row.viewTop);
  }
}

TEST(Layout, WindowsAddTheFrameAndAreFittedToContentAndScreen) {
  auto game = DefaultFigureAtScale(4);
  const FrameMargins frame{4, 50, 4, 4};
  EXPECT_EQ(RequiredWindowRect(*game, frame), (Rect{-4, -50, 1028, 548}));
  // The first fit centres the window on the screen; a visible one grows but never shrinks.
  EXPECT_EQ(FittedWindowRect(*game, frame, false, {}), (Rect{444, 241, 444 + 1032, 241 + 598}));
  EXPECT_EQ(FittedWindowRect(*game, frame, true, {30, 40, 530, 340}),
            (Rect{30, 40, 30 + 1032, 40 + 598}));
  EXPECT_EQ(FittedWindowRect(*game, frame, true, {30, 40, 1530, 1040}), (Rect{30, 40, 1530, 1040}));
  // Larger than the screen: cut to it and pinned to its corner.
  game->graphics.screenWidth = 800;
  game->graphics.screenHeight = 500;
  EXPECT_EQ(RequiredWindowRect(*game, frame), (Rect{-4, -50, 796, 450}));
  EXPECT_EQ(FittedWindowRect(*game, frame, false, {}), (Rect{0, 0, 800, 500}));
}

TEST(Layout, ContentIsCentredInALargerClientArea) {
  auto game = DefaultFigureAtScale(4);
  game->createMode = 1;  // entering create mode keeps the wider window: the content re-centres
  const Rect panel = PlaceContent(*game, {1024, 545});
  EXPECT_EQ(game->layoutOrigin, (Point{(1024 - 576) / 2, 0}));
  EXPECT_EQ(panel, PanelRect(*game));
  PlaceContent(*game, {300, 300});
  EXPECT_EQ(game->layoutOrigin, (Point{0, 0}));
}

TEST(Layout, FrameCopyLeavesOutExactlyThePanel) {
  auto game = DefaultFigureAtScale(4, {10, 20});
  const Rect panel = PanelRect(*game);
  const auto rects = FrameCopyRects(*game);
  // Probe both sides of each edge of the panel, and the screen's far corner.
  for (const int x : {panel.left - 1, panel.left, panel.right - 1, panel.right, 1919}) {
    for (const int y : {panel.top - 1, panel.top, panel.bottom - 1, panel.bottom, 1079}) {
      const bool inPanel = x >= panel.left && x < panel.right && y >= panel.top && y < panel.bottom;
      const bool copied = std::ranges::any_of(rects, [&](const Rect& r) {
        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
      });
      EXPECT_NE(copied, inPanel) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace kelvane
