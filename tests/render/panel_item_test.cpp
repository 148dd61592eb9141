// SPDX-License-Identifier: GPL-3.0-or-later
// DrawPanelItem: piece thumbnails, the cube count and orientation-menu pictures.
#include "render/panel_item.h"

#include <gtest/gtest.h>

#include <string>

#include "model/command_ids.h"
#include "model/orientation.h"
#include "render/draw_cube_grid.h"
#include "render/render_fixture.h"
#include "support/fake_platform.h"

namespace kelvane {
namespace {

struct ItemDrawing {
  std::unique_ptr<Game> game = testing::NewDrawingGame(4);
  testing::FakePlatform platform;
  std::vector<Rect> copied;
  std::vector<std::pair<std::string, Colour>> texts;

  ItemDrawing() {
    game->graphics.drawText = [this](Surface&, Rect, std::string_view text, Colour colour) {
      texts.emplace_back(std::string(text), colour);
    };
  }
  void Draw(int controlId, int itemId, Rect r, bool selected = false) {
    DrawPanelItem(*game, platform, {controlId, itemId, r, selected},
                  [this](const Surface&, std::span<const Rect> areas) {
                    copied.assign(areas.begin(), areas.end());
                  });
  }
  // Whether `r` holds just the thumbnail of `grid`, centred, on the background.
  bool Shows(Rect r, const CellGrid& grid) const {
    Surface expected = MakeSurface(r.right, r.bottom, PixelFromColour(game->settings.COLOR_BACK));
    DrawCubeGrid(*game, expected, {(r.left + r.right) / 2, (r.top + r.bottom) / 2}, grid, nullptr,
                 Checkers::AsSet, game->thumbnailGeometry);
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        if (expected.At(x, y) != game->graphics.backBuffer.At(x, y)) {
          return false;
        }
      }
    }
    return true;
  }
};

constexpr Rect kItemRect{0, 64 * 3, 96, 64 * 4};  // item 3 of the panel

TEST(PanelItem, PieceItemsShowTheirPieceInItsColourPlainOnTheFieldAndPaleWhileHidden) {
  ItemDrawing d;
  CellGrid piece = d.game->pieceGrids[2];
  d.Draw(kPiecePanelId, 3, kItemRect);
  EXPECT_TRUE(d.Shows(kItemRect, piece));
  EXPECT_EQ(d.copied, std::vector<Rect>{kItemRect});
  d.game->field.at(0, 0, 0) = 4;  // piece 3 counts as on the Field
  for (const int hidden : {0, 1}) {
    d.game->hideFlags[2] = hidden;
    d.Draw(kPiecePanelId, 3, kItemRect);
    RecolourGrid(piece, hidden != 0 ? kMarkedCell : kPlainCube);
    EXPECT_TRUE(d.Shows(kItemRect, piece)) << hidden;
  }
  d.Draw(kPiecePanelId, 0, {0, 0, 96, 64});  // blank in play
  EXPECT_TRUE(d.Shows({0, 0, 96, 64}, {}));
  EXPECT_TRUE(d.texts.empty());
}

TEST(PanelItem, BuildingByCubesCountsTheCubesInItemZeroAndBlanksThePieces) {
  ItemDrawing d;
  d.game->createMode = 1;
  d.game->creationKind = 0;
  d.Draw(kPiecePanelId, 0, {0, 0, 96, 64});
  d.game->field.at(1, 1, 1) = kPlainCube;
  d.game->field.at(2, 1, 1) = kPlainCube;
  d.Draw(kPiecePanelId, 0, {0, 0, 96, 64}, true);
  const Colour ink = d.game->settings.COLOR_INK;
  EXPECT_EQ(d.game->graphics.backBuffer.At(95, 63), PixelFromColour(ink));  // selected: on ink
  EXPECT_EQ(d.texts,
            (decltype(d.texts){{"Amount: 0", ink}, {"Amount: 2", d.game->settings.COLOR_BACK}}));
  d.Draw(kPiecePanelId, 3, kItemRect);
  EXPECT_TRUE(d.Shows(kItemRect, {}));
}

TEST(PanelItem, OrientationItemsShowTheirSlotOfTheSelectedPiece) {
  ItemDrawing d;
  const Rect r{200, 300, 240, 340};
  for (const int selection : {-1, 0}) {  // no piece selected: blank
    d.platform.selection = selection;
    d.Draw(0, kOrientationCommandIds[0], r);
    EXPECT_TRUE(d.Shows(r, {}));
    EXPECT_EQ(d.copied, std::vector<Rect>{r});
  }
  d.platform.selection = 1;
  d.Draw(0, kOrientationCommandIds[22], r);  // the last id mapped on its own
  EXPECT_TRUE(d.Shows(r, OrientationSlot(*d.game, 0, 22)));
  d.Draw(0, kLastOrientationCommand, r);  // beyond the mapped ids: the last slot
  EXPECT_TRUE(d.Shows(r, OrientationSlot(*d.game, 0, 23)));
  EXPECT_FALSE(d.Shows(r, OrientationSlot(*d.game, 0, 22)));
}

}  // namespace
}  // namespace kelvane
