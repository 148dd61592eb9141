// SPDX-License-Identifier: GPL-3.0-or-later
// PaintField: the frame's layers, its helpers and preview, and the picture it makes.
#include "render/paint_field.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/field_cursor.h"
#include "render/cube_geometry.h"
#include "render/hit_test.h"
#include "render/layout.h"
#include "render/render_fixture.h"
#include "support/fake_platform.h"
#include "support/test_game.h"

namespace kelvane {
namespace {

using testing::Face;
using testing::TestFaceColour;

struct Frame {
  std::unique_ptr<Game> game;
  testing::FakePlatform platform;
  std::vector<Rect> copied;

  explicit Frame(int scale) : game(testing::NewDrawingGame(scale)) {}

  CubeGeometry g() const { return game->fieldGeometry; }
  Point Figure() const { return FigureOrigin(g(), HelperOrigin(*game)); }
  Point Target() const { return FigureOrigin(g(), PreviewOrigin(*game)); }
  Pixel At(Point p) const { return game->graphics.backBuffer.At(p.x, p.y); }
  Pixel Back() const { return PixelFromColour(game->settings.COLOR_BACK); }
  Pixel Ink() const { return PixelFromColour(game->settings.COLOR_INK); }
  // What shows on `face` of cell (x, y, z) of a grid drawn at `origin`.
  Pixel FaceAt(Point origin, int x, int y, int z, Face face) const {
    return At(testing::FaceSample(g(), SpriteTopLeft(g(), origin, x, y, z), face));
  }
  Pixel TintAt(int x, int y) const { return At(FloorCellCentre(*game, {x, y})); }
  void PointAt(int x, int y) { platform.cursor = FloorCellCentre(*game, {x, y}); }
  void Paint() {
    PaintField(*game, platform, [this](const Surface&, std::span<const Rect> areas) {
      copied.assign(areas.begin(), areas.end());
    });
  }
};

TEST(PaintField, DefaultFrameAtScaleFourLooksRight) {
  Frame f(4);
  f.platform.selection = 3;
  f.PointAt(0, 0);
  f.Paint();
  const Point helpers = HelperOrigin(*f.game), preview = PreviewOrigin(*f.game);
  // Tinted diamonds over the floor plate: darker where the Figure has a cube on the layer.
  const auto plate = [](bool odd) { return TestFaceColour(kMarkedCell, Face::Top, odd); };
  EXPECT_EQ(f.TintAt(2, 0), BlendPixel(f.Ink(), plate(false), 191));  // plate cell (3, 1, 0)
  EXPECT_EQ(f.TintAt(0, 3), BlendPixel(f.Ink(), plate(true), 127));
  const struct {
    Point origin;
    int x, y, z;
    Face face;
    int value;
    bool lighter;
  } shown[] = {
      {helpers, 3, 5, 0, Face::Left, kMarkedCell, false},  // the plate's front cube
      {preview, 3, 5, 0, Face::Left, kMarkedCell, false},
      {helpers, 4, 0, 3, Face::Right, kMarkedCell, false},  // a column, marked above level 0
      {f.Figure(), 1, 0, 2, Face::Top, 4, true},            // piece 3 at the pointer
      {f.Figure(), 1, 0, 2, Face::Right, 4, true},
      {f.Target(), 0, 0, 2, Face::Top, kPlainCube, false},  // the Figure as plain cubes
      {f.Target(), 2, 2, 2, Face::Left, kPlainCube, false},
  };
  for (const auto& s : shown) {
    EXPECT_EQ(f.FaceAt(s.origin, s.x, s.y, s.z, s.face), TestFaceColour(s.value, s.face, s.lighter))
        << s.x << "," << s.y << "," << s.z;
  }
  const auto expected = FrameCopyRects(*f.game);  // everything but the panel
  EXPECT_EQ(f.copied, std::vector<Rect>(expected.begin(), expected.end()));

  // Piece numbers mark the piece's top, never the target's plain cubes.
  f.game->extras.pieceNumbers = true;
  f.Paint();
  EXPECT_NE(f.FaceAt(f.Figure(), 1, 0, 2, Face::Top), TestFaceColour(4, Face::Top, true));
  EXPECT_EQ(f.FaceAt(f.Target(), 0, 0, 2, Face::Top), TestFaceColour(kPlainCube, Face::Top, false));

  // An illegal preview shows plain cubes: the piece's x = 1 cubes fall outside the Figure's box.
  f.PointAt(2, 0);
  f.Paint();
  EXPECT_EQ(f.FaceAt(f.Figure(), 2, 0, 1, Face::Left),
            TestFaceColour(kPlainCube, Face::Left, true));

  // The target preview shows only the shown layers.
  f.game->shownLayers = 1;
  f.Paint();
  EXPECT_EQ(f.FaceAt(f.Target(), 1, 4, 0, Face::Top), TestFaceColour(kPlainCube, Face::Top, true));
  EXPECT_EQ(f.FaceAt(f.Target(), 0, 0, 2, Face::Top), f.Back());

  // Without helpers neither plate nor columns appear.
  f.game->settings.SHOW_HELPERS = 0;
  f.Paint();
  for (const auto& s : {shown[0], shown[1], shown[2]}) {
    EXPECT_EQ(f.FaceAt(s.origin, s.x, s.y, s.z, s.face), f.Back());
  }

  // The keyboard cursor carries the preview, at (0, 0) where piece 3 fits, and is outlined.
  f.PointAt(2, 4);
  ShowFieldCursor(*f.game, f.platform);
  f.Paint();
  EXPECT_EQ(f.FaceAt(f.Figure(), 1, 0, 2, Face::Right), TestFaceColour(4, Face::Right, true));
  const Point corner = ProjectLattice(f.g(), f.Figure(), 0, 0, 0);
  EXPECT_EQ(f.At(corner), kWhitePixel);
  EXPECT_EQ(f.At({corner.x, corner.y - 1}), 0xFF101010u);

  // A fitted window gets its whole client area repainted, the panel framed by one ink pixel.
  PlaceContent(*f.game, {1300, 700});
  FillRect(f.game->graphics.backBuffer, {0, 0, 1920, 1080}, kBlackPixel);
  f.Paint();
  const Rect panel = PanelRect(*f.game);
  for (const Point p : {Point{0, 0}, Point{1299, 699}, Point{panel.left - 2, panel.top}}) {
    EXPECT_EQ(f.At(p), f.Back()) << p.x << "," << p.y;
  }
  EXPECT_EQ(f.At({panel.left - 1, panel.top - 1}), f.Ink());
  EXPECT_EQ(f.At({panel.right, panel.bottom}), f.Ink());
}

// Regression: a paint before the graphics exist, or with no skin loaded, wrote out of bounds.
TEST(PaintField, FramesBeforeTheGraphicsExistDrawNothingAndDoNotCrash) {
  Frame f(4);
  f.platform.selection = 3;
  f.game->graphics.fieldSheet = f.game->graphics.thumbnailSheet = Surface{};
  f.Paint();
  EXPECT_EQ(f.FaceAt(f.Target(), 0, 0, 2, Face::Top), f.Back());
  f.game = testing::NewInitialisedGame();
  f.copied.clear();
  f.Paint();
  EXPECT_EQ(f.copied.size(), 4u);
  EXPECT_TRUE(f.game->graphics.backBuffer.pixels.empty());
}

TEST(PaintField, LayersBelowTheCurrentOneLieUnderTheTintThoseAboveOverItAndHiddenPiecesNowhere) {
  Frame f(4);
  // Piece 4's cells; nothing stands in front of the left face of (0, 4, 0) or above (2, 4, 0).
  f.game->field.at(0, 4, 0) = f.game->field.at(0, 4, 1) = f.game->field.at(2, 4, 0) = 5;
  f.game->field.at(2, 2, 1) = 6;
  f.game->hideFlags[4] = 1;
  f.game->currentLayer = 1;
  f.Paint();
  EXPECT_EQ(f.FaceAt(f.Figure(), 0, 4, 0, Face::Left), TestFaceColour(5, Face::Left, false));
  EXPECT_NE(f.TintAt(2, 4), TestFaceColour(5, Face::Top, false));
  EXPECT_EQ(f.FaceAt(f.Figure(), 0, 4, 1, Face::Top), TestFaceColour(5, Face::Top, true));
  EXPECT_NE(f.FaceAt(f.Figure(), 2, 2, 1, Face::Top), TestFaceColour(6, Face::Top, true));
}

TEST(PaintField, CreateModeTintsEveryCellAlikeAndHasNoPreview) {
  Frame f(4);
  f.game->createMode = 1;
  f.game->creationKind = 1;  // by pieces
  f.platform.selection = 3;
  f.PointAt(0, 0);
  f.Paint();
  EXPECT_EQ(f.TintAt(0, 3), BlendPixel(f.Ink(), TestFaceColour(kMarkedCell, Face::Top, true), 191));
  EXPECT_EQ(f.FaceAt(f.Target(), 0, 0, 2, Face::Top), f.Back());

  // Building by cubes shows the current layer alone, and no piece at the pointer.
  f.game->creationKind = 0;
  f.game->field.at(1, 0, 0) = kPlainCube;
  f.game->field.at(1, 0, 1) = kPlainCube;
  f.Paint();
  EXPECT_EQ(f.FaceAt(f.Figure(), 1, 0, 0, Face::Top), TestFaceColour(kPlainCube, Face::Top, true));
  EXPECT_NE(f.FaceAt(f.Figure(), 1, 0, 1, Face::Top), TestFaceColour(kPlainCube, Face::Top, false));
  EXPECT_NE(f.FaceAt(f.Figure(), 0, 0, 1, Face::Top), TestFaceColour(4, Face::Top, true));
}

// Guards that the player clicks the shaded cell, and that the cells tile the floor without gaps.
TEST(PaintField, ThePointerHitsTheDiamondThatIsTinted) {
  for (const auto& [scale, tintedLayer] : {std::pair{2, 0}, std::pair{3, 2}}) {
    // A copy: a lambda cannot capture a structured binding in every compiler we build with.
    const int layer = tintedLayer;
    Frame f(scale);
    f.game->currentLayer = layer;
    Surface& picture = f.game->graphics.backBuffer;
    FillRect(picture, {0, 0, picture.width, picture.height}, f.Back());
    DrawLayerTint(*f.game, LayOutClient(*f.game));
    const Extents e = GridExtents(f.game->figure);
    const auto corner = [&](int a, int b) {
      return ProjectLattice(f.g(), f.Figure(), a, b, layer);
    };
    const Polygon floor{{{corner(0, 0), corner(e.x, 0), corner(e.x, e.y), corner(0, e.y)}}, 4};
    const Rect box = Bounds(floor);
    for (int y = box.top - 2; y < box.bottom + 2; ++y) {
      for (int x = box.left - 2; x < box.right + 2; ++x) {
        const std::optional<FloorCell> hit = HitTestFloorCell(*f.game, Point{x, y});
        ASSERT_EQ(hit.has_value(), Covers(floor, {x, y})) << x << "," << y;
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
