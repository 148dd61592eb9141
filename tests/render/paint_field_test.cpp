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
  // Puts the pointer on the middle of floor cell (x, y) of the current layer.
  void PointAt(int x, int y) {
    const Point p = ProjectLattice(g(), FigureOrigin(), x, y, game->currentLayer);
    platform.cursor = {p.x, p.y + g().R};
  }
  Point DiamondMiddle(int x, int y) const {
    const Point p = ProjectLattice(g(), FigureOrigin(), x, y, game->currentLayer);
    return {p.x, p.y + g().R};
  }
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

  // Piece 3 previewed at the pointer, legal, in its own colour: its top cube (1, 0, 2).
  EXPECT_EQ(f.At(f.FaceOf(f.FigureOrigin(), 1, 0, 2, Face::Top)),
            TestFaceColour(4, Face::Top, true));
  EXPECT_EQ(f.At(f.FaceOf(f.FigureOrigin(), 1, 0, 2, Face::Right)),
            TestFaceColour(4, Face::Right, true));

  // The target preview: the Figure's top layer as plain cubes.
  EXPECT_EQ(f.At(f.FaceOf(f.PreviewFigureOrigin(), 0, 0, 2, Face::Top)),
            TestFaceColour(kPlainCube, Face::Top, false));
  EXPECT_EQ(f.At(f.FaceOf(f.PreviewFigureOrigin(), 2, 2, 2, Face::Left)),
            TestFaceColour(kPlainCube, Face::Left, false));

  // Everything but the panel goes to the window.
  const auto expected = FrameCopyRects(*f.game);
  EXPECT_EQ(f.copied, std::vector<Rect>(expected.begin(), expected.end()));
}

TEST(PaintField, DefaultFrameWithTheBuiltInSkin) {
  Frame f(4);
  testing::FakePlatform fitter;
  ApplyScaleAndSkin(*f.game, fitter);  // "2. Rounded", the default skin
  ASSERT_EQ(f.game->graphics.fieldSheet.width, kSheetWidth);
  f.platform.selection = 3;
  f.PointAt(0, 0);
  f.Paint();
  // The preview's top layer is drawn from the sheet, not left as background.
  EXPECT_NE(f.At(f.FaceOf(f.PreviewFigureOrigin(), 0, 0, 2, Face::Top)), f.Back());
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

TEST(PaintField, IllegalPreviewShowsPlainCubes) {
  Frame f(4);
  f.platform.selection = 3;
  f.PointAt(2, 0);  // the piece's x = 1 cubes fall outside the Figure's box
  f.Paint();
  EXPECT_EQ(f.At(f.FaceOf(f.FigureOrigin(), 2, 0, 1, Face::Left)),
            TestFaceColour(kPlainCube, Face::Left, true));
}

TEST(PaintField, WithoutHelpersNeitherPlateNorColumnsAppear) {
  for (const int helpers : {1, 0}) {
    Frame f(4);
    f.game->settings.SHOW_HELPERS = helpers;
    f.Paint();
    // The front plate cube (figure (2, 4, -1)) is helper cell (3, 5, 0).
    const Point plate = f.FaceOf(HelperOrigin(*f.game), 3, 5, 0, Face::Left);
    const Point previewPlate = f.FaceOf(PreviewOrigin(*f.game), 3, 5, 0, Face::Left);
    const Point column = f.FaceOf(HelperOrigin(*f.game), 4, 0, 3, Face::Right);
    if (helpers == 1) {
      EXPECT_EQ(f.At(plate), TestFaceColour(kMarkedCell, Face::Left, false));
      EXPECT_EQ(f.At(previewPlate), TestFaceColour(kMarkedCell, Face::Left, false));
      EXPECT_EQ(f.At(column), TestFaceColour(kMarkedCell, Face::Right, false));  // above level 0
    } else {
      EXPECT_EQ(f.At(plate), f.Back());
      EXPECT_EQ(f.At(previewPlate), f.Back());
      EXPECT_EQ(f.At(column), f.Back());
    }
  }
}

TEST(PaintField, LayersAboveTheCurrentOneStandOverTheTint) {
  Frame f(4);
  // Piece 4's cells on layers 0 and 1 at the footprint's left corner, where no other diamond
  // lies in front of the lower cube.
  f.game->field.at(0, 4, 0) = 5;
  f.game->field.at(0, 4, 1) = 5;
  f.game->currentLayer = 1;
  f.Paint();
  // The lower cube is drawn before the tint: its top face lies under it, its left face not.
  EXPECT_EQ(f.At(f.FaceOf(f.FigureOrigin(), 0, 4, 0, Face::Left)),
            TestFaceColour(5, Face::Left, false));
  // The upper cube stands on the tinted floor, untinted.
  EXPECT_EQ(f.At(f.FaceOf(f.FigureOrigin(), 0, 4, 1, Face::Top)),
            TestFaceColour(5, Face::Top, true));
}

TEST(PaintField, HiddenPiecesAreLeftOutOfBothPasses) {
  Frame f(4);
  f.game->field.at(2, 2, 0) = 6;
  f.game->field.at(2, 2, 1) = 6;
  f.game->hideFlags[4] = 1;
  f.Paint();
  const Pixel top = f.At(f.FaceOf(f.FigureOrigin(), 2, 2, 1, Face::Top));
  EXPECT_NE(top, TestFaceColour(6, Face::Top, true));
  EXPECT_NE(f.At(f.FaceOf(f.FigureOrigin(), 2, 2, 0, Face::Top)),
            TestFaceColour(6, Face::Top, false));
}

TEST(PaintField, CreateModeTintsEveryCellAlikeAndHasNoPreview) {
  Frame f(4);
  f.game->createMode = 1;
  f.game->creationKind = 1;  // by pieces
  f.Paint();
  const Pixel plateTopOdd = TestFaceColour(kMarkedCell, Face::Top, true);
  EXPECT_EQ(f.At(f.DiamondMiddle(0, 3)), BlendPixel(f.Ink(), plateTopOdd, 191));
  EXPECT_EQ(f.At(f.FaceOf(f.PreviewFigureOrigin(), 0, 0, 2, Face::Top)), f.Back());
}

TEST(PaintField, BuildingByCubesShowsTheCurrentLayerAloneWithoutPreview) {
  Frame f(4);
  f.game->createMode = 1;
  f.game->creationKind = 0;
  f.game->field.at(1, 0, 0) = kPlainCube;
  f.game->field.at(1, 0, 1) = kPlainCube;
  f.platform.selection = 3;
  f.PointAt(0, 0);
  f.Paint();
  EXPECT_EQ(f.At(f.FaceOf(f.FigureOrigin(), 1, 0, 0, Face::Top)),
            TestFaceColour(kPlainCube, Face::Top, true));
  // Neither the layer above nor a piece preview is drawn.
  EXPECT_NE(f.At(f.FaceOf(f.FigureOrigin(), 1, 0, 1, Face::Top)),
            TestFaceColour(kPlainCube, Face::Top, false));
  EXPECT_NE(f.At(f.FaceOf(f.FigureOrigin(), 0, 0, 1, Face::Top)),
            TestFaceColour(4, Face::Top, true));
}

TEST(PaintField, TargetPreviewShowsOnlyTheShownLayers) {
  Frame f(4);
  f.game->shownLayers = 1;
  f.Paint();
  EXPECT_EQ(f.At(f.FaceOf(f.PreviewFigureOrigin(), 1, 4, 0, Face::Top)),
            TestFaceColour(kPlainCube, Face::Top, true));
  EXPECT_NE(f.At(f.FaceOf(f.PreviewFigureOrigin(), 0, 0, 2, Face::Top)),
            TestFaceColour(kPlainCube, Face::Top, false));
}

// Guards the promise that the player clicks the cell that is shaded: at every pixel, the cell the
// hit test finds is the one whose tint that pixel carries, edges and corners included.
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

TEST(PaintField, PieceNumbersMarkOnlyTheTopsOfPieces) {
  for (const bool numbers : {false, true}) {
    Frame f(4);
    f.game->extras.pieceNumbers = numbers;
    f.platform.selection = 3;
    f.PointAt(0, 0);
    f.Paint();
    // Piece 3's top cube (1, 0, 2) shows the number; the target's plain cubes never do.
    EXPECT_EQ(
        f.At(f.FaceOf(f.FigureOrigin(), 1, 0, 2, Face::Top)) != TestFaceColour(4, Face::Top, true),
        numbers);
    EXPECT_EQ(f.At(f.FaceOf(f.PreviewFigureOrigin(), 0, 0, 2, Face::Top)),
              TestFaceColour(kPlainCube, Face::Top, false));
  }
}

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
