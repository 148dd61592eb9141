// SPDX-License-Identifier: GPL-3.0-or-later
// DrawPanelItem: piece thumbnails, the cube count and orientation-menu pictures.
#include "render/panel_item.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/command_ids.h"
#include "model/orientation.h"
#include "render/draw_cube_grid.h"
#include "render/render_fixture.h"
#include "support/fake_platform.h"

namespace kelvane {
namespace {

using testing::Face;
using testing::TestFaceColour;

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

  void Draw(PanelItem item) {
    DrawPanelItem(*game, platform, item, [this](const Surface&, std::span<const Rect> areas) {
      copied.assign(areas.begin(), areas.end());
    });
  }
  // The cell values whose faces show inside `r`.
  std::set<int> ValuesShown(Rect r) const {
    std::set<int> values;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        const Pixel p = game->graphics.backBuffer.At(x, y);
        for (int v = 1; v <= 9; ++v) {
          for (const Face face : {Face::Top, Face::Left, Face::Right}) {
            if (p == TestFaceColour(v, face, false) || p == TestFaceColour(v, face, true)) {
              values.insert(v);
            }
          }
        }
      }
    }
    return values;
  }
  Pixel At(int x, int y) const { return game->graphics.backBuffer.At(x, y); }
};

constexpr Rect kItemRect{0, 64 * 3, 96, 64 * 4};  // item 3 of the panel

TEST(PanelItem, PieceItemsShowTheirPieceInItsColourPlainOnTheFieldAndPaleWhileHidden) {
  ItemDrawing d;
  d.Draw({kPiecePanelId, 3, kItemRect, false});
  EXPECT_EQ(d.ValuesShown(kItemRect), std::set<int>{4});
  EXPECT_EQ(d.At(kItemRect.left, kItemRect.top), PixelFromColour(d.game->settings.COLOR_BACK));
  EXPECT_EQ(d.copied, std::vector<Rect>{kItemRect});

  d.game->field.at(0, 0, 0) = 4;  // piece 3 counts as on the Field
  // Shrunk sprite edges blend the test sheet's greys into one another, so ask only for the cube
  // colour expected and no piece colour.
  d.Draw({kPiecePanelId, 3, kItemRect, false});
  std::set<int> shown = d.ValuesShown(kItemRect);
  EXPECT_TRUE(shown.contains(kPlainCube));
  EXPECT_FALSE(shown.contains(4));
  d.game->hideFlags[2] = 1;
  d.Draw({kPiecePanelId, 3, kItemRect, false});
  shown = d.ValuesShown(kItemRect);
  EXPECT_TRUE(shown.contains(kMarkedCell));
  EXPECT_FALSE(shown.contains(4));

  // Item 0 is blank in play.
  d.Draw({kPiecePanelId, 0, {0, 0, 96, 64}, false});
  EXPECT_TRUE(d.ValuesShown({0, 0, 96, 64}).empty());
  EXPECT_TRUE(d.texts.empty());
}

TEST(PanelItem, BuildingByCubesCountsTheCubesInItemZeroAndBlanksThePieces) {
  ItemDrawing d;
  d.game->createMode = 1;
  d.game->creationKind = 0;
  d.Draw({kPiecePanelId, 0, {0, 0, 96, 64}, false});
  d.game->field.at(1, 1, 1) = kPlainCube;
  d.game->field.at(2, 1, 1) = kPlainCube;
  d.Draw({kPiecePanelId, 0, {0, 0, 96, 64}, true});
  EXPECT_EQ(d.At(95, 63), PixelFromColour(d.game->settings.COLOR_INK));  // selected: on ink
  ASSERT_EQ(d.texts.size(), 2u);
  EXPECT_EQ(d.texts[0], std::make_pair(std::string("Amount: 0"), d.game->settings.COLOR_INK));
  EXPECT_EQ(d.texts[1], std::make_pair(std::string("Amount: 2"), d.game->settings.COLOR_BACK));
  d.Draw({kPiecePanelId, 3, kItemRect, false});
  EXPECT_TRUE(d.ValuesShown(kItemRect).empty());
}

TEST(PanelItem, OrientationItemsShowTheirSlotOfTheSelectedPiece) {
  ItemDrawing d;
  const Rect r{200, 300, 240, 340};
  const auto matches = [&](int slot) {
    Surface picture =
        MakeSurface(d.game->graphics.backBuffer.width, d.game->graphics.backBuffer.height,
                    PixelFromColour(d.game->settings.COLOR_BACK));
    DrawCubeGrid(*d.game, picture, {220, 320}, OrientationSlot(*d.game, 0, slot), nullptr,
                 Checkers::AsSet, d.game->thumbnailGeometry);
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        if (picture.At(x, y) != d.At(x, y)) {
          return false;
        }
      }
    }
    return true;
  };
  // Without a selected piece the items stay blank.
  for (const int selection : {-1, 0}) {
    d.platform.selection = selection;
    d.Draw({0, kOrientationCommandIds[0], r, false});
    EXPECT_TRUE(d.ValuesShown(r).empty());
    EXPECT_EQ(d.copied, std::vector<Rect>{r});
  }
  d.platform.selection = 1;
  d.Draw({0, kOrientationCommandIds[5], r, false});
  EXPECT_TRUE(matches(5));
  d.Draw({0, kLastOrientationCommand, r, false});  // beyond the mapped ids: the last slot
  EXPECT_TRUE(matches(23));
  EXPECT_FALSE(matches(5));
}

}  // namespace
}  // namespace kelvane
