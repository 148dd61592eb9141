// SPDX-License-Identifier: GPL-3.0-or-later
// PaintField: the frame's layers, its helpers and preview, and the picture it makes.
#include "render/paint_field.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/field_cursor.h"
#include "model/game_init.h"
#include "render/cube_geometry.h"
#include "render/graphics_setup.h"
#include "render/hit_test.h"
#include "render/layout.h"
#include "render/render_fixture.h"
#include "render/skins.h"
#include "support/fake_platform.h"
#include "support/test_game.h"

namespace kelvane {
namespace {

using testing::Face;
using testing::FaceSample;
using testing::TestFaceColour;

struct Frame {
  std::unique_ptr<Game> game;
  testing::FakePlatform platform;
  std::vector<Rect> copied;

  explicit Frame(int scale) : game(testing::NewDrawingGame(scale)) {}

  Point FigureOrigin() const { return kelvane::FigureOrigin(g(), HelperOrigin(*game)); }
  Point PreviewFigureOrigin() const { return kelvane::FigureOrigin(g(), PreviewOrigin(*game)); }
  CubeGeometry g() const { return game->fieldGeometry; }
  Pixel At(Point p) const { return game->graphics.backBuffer.At(p.x, p.y); }
  Pixel Back() const { return PixelFromColour(game->settings.COLOR_BACK); }
  Pixel Ink() const { return PixelFromColour(game->settings.COLOR_INK); }

  void Paint() {
    PaintField(*game, platform, [this](const Surface&, std::span<const Rect> areas) {
      copied.assign(areas.begin(), areas.end());
    });
  }
  Point DiamondMiddle(int x, int y) const {
    const Point p = ProjectLattice(g(), FigureOrigin(), x, y, game->currentLayer);
    return {p.x, p.y + g().R};
  }
  void PointAt(int x, int y) { platform.cursor = DiamondMiddle(x, y); }
  // A face of cell (x, y, z) of a grid drawn at `origin`.
  Point FaceOf(Point origin, int x, int y, int z, Face face) const {
    return FaceSample(g(), SpriteTopLeft(g(), origin, x, y, z), face);
  }
};

TEST(PaintField, DefaultFrameAtScaleFourLooksRight) {
  Frame f(4);
  f.platform.selection = 3;
  f.PointAt(0, 0);
  f.Paint();

  // The panel frame: one ink pixel round the panel.
  const Rect panel = PanelRect(*f.game);
  EXPECT_EQ(f.At({panel.left - 1, panel.top - 1}), f.Ink());
  EXPECT_EQ(f.At({panel.right, panel.bottom}), f.Ink());
  EXPECT_EQ(f.At({panel.left - 2, panel.top + 10}), f.Back());

  // Tinted diamonds over the floor plate: darker where the Figure has a cube on the layer.
  const Pixel plateTop = TestFaceColour(kMarkedCell, Face::Top, false);
  const Pixel plateTopOdd = TestFaceColour(kMarkedCell, Face::Top, true);
  EXPECT_EQ(f.At(f.DiamondMiddle(2, 0)), BlendPixel(f.Ink(), plateTop, 191));  // plate (3, 1, 0)
  EXPECT_EQ(f.At(f.DiamondMiddle(0, 3)), BlendPixel(f.Ink(), plateTopOdd, 127));

  // The helpers: the front plate cube (figure (2, 4, -1)) is helper cell (3, 5, 0), in the field
  // and in the preview; a column stands beside the Figure, marked above level 0.
  const Point plate = f.FaceOf(HelperOrigin(*f.game), 3, 5, 0, Face::Left);
  const Point previewPlate = f.FaceOf(PreviewOrigin(*f.game), 3, 5, 0, Face::Left);
  const Point column = f.FaceOf(HelperOrigin(*f.game), 4, 0, 3, Face::Right);
  EXPECT_EQ(f.At(plate), TestFaceColour(kMarkedCell, Face::Left, false));
  EXPECT_EQ(f.At(previewPlate), TestFaceColour(kMarkedCell, Face::Left, false));
  EXPECT_EQ(f.At(column), TestFaceColour(kMarkedCell, Face::Right, false));

  // Piece 3 previewed at the pointer, legal, in its own colour: its top cube (1, 0, 2).
  const Point pieceTop = f.FaceOf(f.FigureOrigin(), 1, 0, 2, Face::Top);
  EXPECT_EQ(f.At(pieceTop), TestFaceColour(4, Face::Top, true));
  EXPECT_EQ(f.At(f.FaceOf(f.FigureOrigin(), 1, 0, 2, Face::Right)),
            TestFaceColour(4, Face::Right, true));

  // The target preview: the Figure's top layer as plain cubes.
  const Point previewTop = f.FaceOf(f.PreviewFigureOrigin(), 0, 0, 2, Face::Top);
  EXPECT_EQ(f.At(previewTop), TestFaceColour(kPlainCube, Face::Top, false));
  EXPECT_EQ(f.At(f.FaceOf(f.PreviewFigureOrigin(), 2, 2, 2, Face::Left)),
            TestFaceColour(kPlainCube, Face::Left, false));

  // Everything but the panel goes to the window.
  const auto expected = FrameCopyRects(*f.game);
  EXPECT_EQ(f.copied, std::vector<Rect>(expected.begin(), expected.end()));

  // Piece numbers mark the piece's top, never the target's plain cubes.
  f.game->extras.pieceNumbers = true;
  f.Paint();
  EXPECT_NE(f.At(pieceTop), TestFaceColour(4, Face::Top, true));
  EXPECT_EQ(f.At(previewTop), TestFaceColour(kPlainCube, Face::Top, false));

  // An illegal preview shows plain cubes: the piece's x = 1 cubes fall outside the Figure's box.
  f.PointAt(2, 0);
  f.Paint();
  EXPECT_EQ(f.At(f.FaceOf(f.FigureOrigin(), 2, 0, 1, Face::Left)),
            TestFaceColour(kPlainCube, Face::Left, true));

  // The target preview shows only the shown layers.
  f.game->shownLayers = 1;
  f.Paint();
  EXPECT_EQ(f.At(f.FaceOf(f.PreviewFigureOrigin(), 1, 4, 0, Face::Top)),
            TestFaceColour(kPlainCube, Face::Top, true));
  EXPECT_NE(f.At(previewTop), TestFaceColour(kPlainCube, Face::Top, false));

  // Without helpers neither plate nor columns appear.
  f.game->settings.SHOW_HELPERS = 0;
  f.Paint();
  EXPECT_EQ(f.At(plate), f.Back());
  EXPECT_EQ(f.At(previewPlate), f.Back());
  EXPECT_EQ(f.At(column), f.Back());
}

// Guards against writes outside the surfaces before the graphics exist (a paint that arrives
// early) or with a skin that did not load: such frames draw what they can and nothing else.
TEST(PaintField, FramesBeforeTheGraphicsExistDrawNothingAndDoNotCrash) {
  auto blank = testing::NewInitialisedGame();
  testing::FakePlatform platform;
  platform.selection = 3;
  int copies = 0;
  PaintField(*blank, platform, [&](const Surface&, std::span<const Rect>) { ++copies; });
  EXPECT_EQ(copies, 1);
  EXPECT_TRUE(blank->graphics.backBuffer.pixels.empty());

  Frame f(4);
  f.game->graphics.fieldSheet = Surface{};
  f.game->graphics.thumbnailSheet = Surface{};
  f.Paint();
  EXPECT_EQ(f.At(f.FaceOf(f.PreviewFigureOrigin(), 0, 0, 2, Face::Top)), f.Back());
}

TEST(PaintField, AFittedWindowGetsItsWholeClientAreaRepainted) {
  Frame f(4);
  PlaceContent(*f.game, {1300, 700});
  Surface& picture = f.game->graphics.backBuffer;
  FillRect(picture, {0, 0, picture.width, picture.height}, kBlackPixel);
  f.Paint();
  EXPECT_EQ(f.At({1299, 699}), f.Back());
  EXPECT_EQ(f.At({0, 0}), f.Back());
  EXPECT_EQ(f.At({PanelRect(*f.game).left - 1, PanelRect(*f.game).top}), f.Ink());
}

TEST(PaintField, LayersAboveTheCurrentOneStandOverTheTintAndHiddenPiecesAreLeftOut) {
  Frame f(4);
  // Piece 4's cells on layers 0 and 1 at the footprint's left corner, where no other diamond
  // lies in front of the lower cube.
  f.game->field.at(0, 4, 0) = 5;
  f.game->field.at(0, 4, 1) = 5;
  f.game->field.at(2, 2, 1) = 6;
  f.game->hideFlags[4] = 1;
  f.game->currentLayer = 1;
  f.Paint();
  // The lower cube is drawn before the tint: its top face lies under it, its left face not.
  EXPECT_EQ(f.At(f.FaceOf(f.FigureOrigin(), 0, 4, 0, Face::Left)),
            TestFaceColour(5, Face::Left, false));
  // The upper cube stands on the tinted floor, untinted.
  EXPECT_EQ(f.At(f.FaceOf(f.FigureOrigin(), 0, 4, 1, Face::Top)),
            TestFaceColour(5, Face::Top, true));
  EXPECT_NE(f.At(f.FaceOf(f.FigureOrigin(), 2, 2, 1, Face::Top)),
            TestFaceColour(6, Face::Top, true));
}

TEST(PaintField, CreateModeTintsEveryCellAlikeAndHasNoPreview) {
  Frame f(4);
  f.game->createMode = 1;
  f.game->creationKind = 1;  // by pieces
  f.platform.selection = 3;
  f.PointAt(0, 0);
  f.Paint();
  const Pixel plateTopOdd = TestFaceColour(kMarkedCell, Face::Top, true);
  EXPECT_EQ(f.At(f.DiamondMiddle(0, 3)), BlendPixel(f.Ink(), plateTopOdd, 191));
  EXPECT_EQ(f.At(f.FaceOf(f.PreviewFigureOrigin(), 0, 0, 2, Face::Top)), f.Back());

  // Building by cubes shows the current layer alone, and no piece at the pointer.
  f.game->creationKind = 0;
  f.game->field.at(1, 0, 0) = kPlainCube;
  f.game->field.at(1, 0, 1) = kPlainCube;
  f.Paint();
  EXPECT_EQ(f.At(f.FaceOf(f.FigureOrigin(), 1, 0, 0, Face::Top)),
            TestFaceColour(kPlainCube, Face::Top, true));
  EXPECT_NE(f.At(f.FaceOf(f.FigureOrigin(), 1, 0, 1, Face::Top)),
            TestFaceColour(kPlainCube, Face::Top, false));
  EXPECT_NE(f.At(f.FaceOf(f.FigureOrigin(), 0, 0, 1, Face::Top)),
            TestFaceColour(4, Face::Top, true));
}

TEST(PaintField, TheKeyboardCursorCarriesThePreviewAndIsOutlined) {
  Frame f(4);
  f.platform.selection = 3;
  f.PointAt(2, 4);
  ShowFieldCursor(*f.game, f.platform);  // at (0, 0), where piece 3 fits
  f.Paint();
  EXPECT_EQ(f.At(f.FaceOf(f.FigureOrigin(), 1, 0, 2, Face::Top)),
            TestFaceColour(4, Face::Top, true));
  const Point corner = ProjectLattice(f.g(), f.FigureOrigin(), 0, 0, 0);
  EXPECT_EQ(f.At(corner), kWhitePixel);
  EXPECT_EQ(f.At({corner.x, corner.y - 1}), 0xFF101010u);
}

// Guards the promise that the player clicks the cell that is shaded: at every pixel, the cell the
// hit test finds is the one whose tint that pixel carries, edges and corners included.
TEST(PaintField, ThePointerHitsTheDiamondThatIsTinted) {
  for (const auto& [scale, layer] : {std::pair{2, 0}, std::pair{3, 2}}) {
    Frame f(scale);
    f.game->currentLayer = layer;
    Surface& picture = f.game->graphics.backBuffer;
    FillRect(picture, {0, 0, picture.width, picture.height}, f.Back());
    DrawLayerTint(*f.game, LayOutClient(*f.game));
    // The footprint's box on the layer, with a margin beyond its outer edges.
    const CubeGeometry g = f.g();
    const Point back = ProjectLattice(g, f.FigureOrigin(), 0, 0, layer);
    const Rect box{back.x - 5 * g.W - 2, back.y - 2, back.x + 3 * g.W + 2, back.y + 8 * g.R + 2};
    for (int y = box.top; y < box.bottom; ++y) {
      for (int x = box.left; x < box.right; ++x) {
        const std::optional<FloorCell> hit = HitTestFloorCell(*f.game, Point{x, y});
        Pixel expected = f.Back();
        if (hit) {
          const bool onFigure = f.game->figure.at(hit->x, hit->y, layer) != kEmptyCell;
          expected = BlendPixel(f.Ink(), f.Back(), onFigure ? 191 : 127);
        }
        ASSERT_EQ(picture.At(x, y), expected) << "scale " << scale << " at " << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace kelvane
