// SPDX-License-Identifier: GPL-3.0-or-later
// Client-area layout and window fitting, against the worked values for the default figure.
#include "render/layout.h"

#include <gtest/gtest.h>

#include "render/client_frame.h"
#include "render/render_fixture.h"

namespace kelvane {
namespace {

// Whichever of the panel (512 high) and the scene is shorter is centred against the other.
TEST(Layout, SizesAndTheShorterOfPanelAndSceneDroppedToCentre) {
  const struct {
    int scale, blockX;  // blockX: a Figure of one row that long; 0: the default figure
    bool create;
    Size scene, client;
    int panelTop, viewTop;
  } table[] = {
      {4, 0, false, {432, 436}, {2 * 432 + 160, 544}, 16, 16 + (512 - 436) / 2},
      {4, 0, true, {432, 436}, {432 + 144, 544}, 16, 54},  // no room for a preview
      {8, 0, false, {864, 872}, {2 * 864 + 160, 872 + 32}, 16 + (872 - 512) / 2, 16},
      // (9 + 1 + 4)·30 + 2·46 = 512: neither drops.
      {5, 9, false, {630, 512}, {2 * 630 + 160, 512 + 32}, 16, 16},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.scale);
    auto game = testing::NewDrawingGame(row.scale);
    game->createMode = row.create ? 1 : 0;
    if (row.blockX != 0) {
      game->figure.Clear();
      game->figure.at(row.blockX - 1, 0, 0) = kPlainCube;
    }
    EXPECT_EQ(SceneSize(*game), row.scene);
    EXPECT_EQ(RequiredClientSize(*game), row.client);
    EXPECT_EQ(PanelRect(*game).top, row.panelTop);
    EXPECT_EQ(FieldViewRect(*game).top, row.viewTop);
  }
}

TEST(Layout, EverythingIsPlacedFromTheLayoutOrigin) {
  auto game = testing::NewDrawingGame(4);
  const Point o{11, 7};
  game->layoutOrigin = o;
  EXPECT_EQ(PanelRect(*game), (Rect{o.x + 16, o.y + 16, o.x + 112, o.y + 528}));
  EXPECT_EQ(FieldViewRect(*game), (Rect{o.x + 128, o.y + 54, o.x + 560, o.y + 490}));
  EXPECT_EQ(HelperOrigin(*game), (Point{o.x + 380, o.y + 202}));
  EXPECT_EQ(PreviewOrigin(*game), (Point{o.x + 828, o.y + 202}));
  EXPECT_EQ(FigureOrigin(game->fieldGeometry, HelperOrigin(*game)), (Point{o.x + 380, o.y + 213}));
  // The frame's copies to the window leave out exactly the panel.
  const std::array<Rect, 4> copies{{{0, 0, 1920, o.y + 16},
                                    {0, 0, o.x + 16, 1080},
                                    {o.x + 112, 0, 1920, 1080},
                                    {0, o.y + 528, 1920, 1080}}};
  EXPECT_EQ(FrameCopyRects(*game), copies);
}

TEST(Layout, WindowsAddTheFrameAndAreFittedToContentAndScreen) {
  auto game = testing::NewDrawingGame(4);
  const FrameMargins frame{4, 50, 4, 4};
  EXPECT_EQ(RequiredWindowRect(*game, frame), (Rect{-4, -50, 1028, 548}));
  // The first fit centres the window on the screen; a visible one grows but never shrinks.
  EXPECT_EQ(FittedWindowRect(*game, frame, false, {}), (Rect{444, 241, 444 + 1032, 241 + 598}));
  EXPECT_EQ(FittedWindowRect(*game, frame, true, {30, 40, 530, 340}),
            (Rect{30, 40, 30 + 1032, 40 + 598}));
  EXPECT_EQ(FittedWindowRect(*game, frame, true, {30, 40, 1530, 1040}), (Rect{30, 40, 1530, 1040}));
  // Entering create mode keeps the wider window: the content is centred in it.
  game->createMode = 1;
  const Rect panel = PlaceContent(*game, {1024, 545});
  EXPECT_EQ(panel, PanelRect(*game));
  EXPECT_EQ(game->layoutOrigin, (Point{(1024 - 576) / 2, 0}));
  PlaceContent(*game, {300, 300});
  EXPECT_EQ(game->layoutOrigin, (Point{0, 0}));
  // Larger than the screen: cut to it and pinned to its corner.
  game->graphics.screenWidth = 800;
  game->graphics.screenHeight = 500;
  game->createMode = 0;
  EXPECT_EQ(RequiredWindowRect(*game, frame), (Rect{-4, -50, 796, 450}));
  EXPECT_EQ(FittedWindowRect(*game, frame, false, {}), (Rect{0, 0, 800, 500}));
  // Kept on a 1366 × 740 area below a 28-pixel panel: moved up and left only as far as needed.
  const Rect area{0, 28, 1366, 768};
  const std::pair<Rect, Rect> kept[] = {
      {{100, 100, 600, 400}, {100, 100, 600, 400}},
      {{1000, 600, 1500, 900}, {866, 468, 1366, 768}},
      {{-50, 0, 450, 300}, {0, 28, 500, 328}},
      {{200, 100, 1700, 1000}, {0, 28, 1366, 768}},
  };
  for (const auto& [window, placed] : kept) {
    EXPECT_EQ(KeptOnScreen(window, area), placed);
  }
  // Drawn at the largest whole scale up to SCALE whose window fits, 2 where none does.
  const struct {
    int chosen;
    Size available;
    int drawn;
  } scales[] = {{8, {1920, 1080}, 8}, {8, {1366, 768}, 5}, {3, {1366, 768}, 3}, {8, {600, 400}, 2}};
  for (const auto& [chosen, available, drawn] : scales) {
    game->settings.SCALE = chosen;
    EXPECT_EQ(ScaleThatFits(*game, frame, available), drawn) << chosen << " " << available.width;
  }
}

// The page: side by side while that fits the viewport's width at scale 2 (592 for this figure),
// else stacked; at the largest scale whose whole area fits, else whose width does.
TEST(Layout, ThePageStacksOnNarrowViewports) {
  auto game = testing::NewDrawingGame(2);
  game->settings.SCALE = 4;
  const std::pair<Size, PageFit> fits[] = {
      {{1280, 700}, {false, 4}}, {{500, 900}, {true, 3}}, {{390, 660}, {true, 2}},
      {{460, 500}, {true, 4}},   {{360, 500}, {true, 2}},
  };
  for (const auto& [viewport, fit] : fits) {
    const PageFit chosen = FitToViewport(*game, viewport);
    EXPECT_EQ(chosen.stacked, fit.stacked) << viewport.width << " " << viewport.height;
    EXPECT_EQ(chosen.scale, fit.scale) << viewport.width << " " << viewport.height;
  }
  // Stacked at scale 2: the panel's two rows of four, then the field, then the preview.
  game->stackedLayout = true;
  EXPECT_EQ(RequiredClientSize(*game), (Size{368, 592}));
  EXPECT_EQ(PanelRect(*game), (Rect{8, 8, 360, 136}));
  EXPECT_EQ(FieldViewRect(*game), (Rect{76, 144, 292, 360}));
  EXPECT_EQ(PreviewOrigin(*game).y, HelperOrigin(*game).y + 216 + 8);
  EXPECT_EQ(PanelItemAt(*game, {8 + 2 * 88 + 5, 8 + 64 + 5}), 6);
  EXPECT_EQ(PanelItemAt(*game, {11, 11}), 0);
  EXPECT_EQ(PanelItemAt(*game, {360, 11}), std::nullopt);
}

}  // namespace
}  // namespace kelvane
