// SPDX-License-Identifier: GPL-3.0-or-later
// Where the piece panel, the field view and the target preview sit in the client area.
//
// All places derive from the Figure's extents, the field cube geometry and the layout origin.
//
// Fitting the window (the shell's Platform::FitWindow) goes in three steps:
//   1. rect = FittedWindowRect(game, margins, visible, normalRect): the window's new outer
//      rectangle — centred on the screen before the window is first shown, afterwards grown to the
//      required size but never shrunk;
//   2. apply it as the window's normal (not maximised) geometry;
//   3. panel = PlaceContent(game, clientSize) with the client size the window then has: stores the
//      layout origin and the client size and returns the rectangle the piece panel is moved to.
// Every resize of the window fits it again, so the stored client size stays current.
#pragma once

#include <array>

#include "model/game.h"
#include "render/surface.h"

namespace kelvane {

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// What the window's frame, caption and menu add to each side of the client area (all ≥ 0).
struct FrameMargins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

inline constexpr int kPanelWidth = 96;
inline constexpr int kPanelHeight = 512;
inline constexpr int kPanelItemCount = 8;
inline constexpr int kPanelItemSize = 64;

// Every place of the client area at once, from one look at the Figure.
struct ClientLayout {
  Extents figure;
  // The scene's size w0 × h0: (X + Y + 4)·W by (X + Y + 4)·R + (Z + 1)·E.
  Size scene;
  // The piece panel's 96 × 512 rectangle and the field view's w0 × h0 rectangle, centred
  // vertically against each other; stacked, the panel's two rows and the field centred across.
  Rect panel;
  Rect fieldView;
  // The helper origin of the field view, and of the target preview w0 + 16 to its right
  // (stacked, h0 + 8 below it).
  Point helperOrigin;
  Point previewOrigin;
  // FigureOrigin of the field view's helper origin: where the Figure and the Field are drawn.
  Point figureOrigin;
};
ClientLayout LayOutClient(const Game& game);

Size SceneSize(const Game& game);

// 2·w0 + 160 (w0 + 144 in create mode) by max(h0, 512) + 32; stacked, the panel's rows, the
// field and the preview one above the other with 8 around each.
Size RequiredClientSize(const Game& game);

// Item 0…7's rectangle inside the panel: a column of 96 × 64 items, or stacked, two rows of four
// narrower ones.
Rect PanelItemRect(const Game& game, int item);
// The same rectangle in client coordinates.
Rect PanelItemClientRect(const Game& game, int item);

// How the page's client area fits a browser viewport.
struct PageFit {
  bool stacked = false;
  int scale = 0;
};
// Side by side where the field and its preview fit the viewport's width at the smallest scale,
// else stacked, as on a phone; at the largest scale up to SCALE's that fits the whole viewport,
// failing that its width, failing both the smallest.
PageFit FitToViewport(const Game& game, Size viewport);

// The largest whole scale from 2 up to SCALE whose window, with `margins`, fits within `available`;
// 2 where none does, and the field then scrolls.
int ScaleThatFits(const Game& game, FrameMargins margins, Size available);

// The window rectangle around the required client area, (0, 0) being the client's corner; cut
// to the screen's width and height when larger.
Rect RequiredWindowRect(const Game& game, FrameMargins margins);

// Single places of LayOutClient.
Rect PanelRect(const Game& game);
Rect FieldViewRect(const Game& game);
Point HelperOrigin(const Game& game);
Point PreviewOrigin(const Game& game);
// (ox, oy + 2R − E) for helper origin (ox, oy).
Point FigureOrigin(CubeGeometry g, Point helperOrigin);

Rect FittedWindowRect(const Game& game, FrameMargins margins, bool visible, Rect normal);

// `window` moved up and left as far as needed to lie within `available` (the screen without its
// panels), its top-left corner kept where it can; one larger than the area is cut to it.
Rect KeptOnScreen(Rect window, Rect available);
// Centres the required client size in `client` (origin 0 on an axis where it does not fit) and
// remembers `client` as the part of the BackBuffer that frames show.
Rect PlaceContent(Game& game, Size client);

// The four rectangles of the screen-sized BackBuffer, outside the piece panel, that a frame copies
// to the window; the panel paints its own area.
std::array<Rect, 4> FrameCopyRects(const Game& game);

}  // namespace kelvane
