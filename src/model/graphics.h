// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing surfaces the Game owns from window creation to exit.
#pragma once

#include <functional>
#include <string_view>

#include "model/pixel_surface.h"
#include "model/settings.h"

namespace kelvane {

inline constexpr int kInkSurfaceWidth = 936;
inline constexpr int kInkSurfaceHeight = 624;

// Draws one line of text centred both ways in `box` of `target`, in `colour`, with the panel font
// and no background. The shell fills it with its font engine; left empty, no text is drawn.
using TextHook =
    std::function<void(Surface& target, Rect box, std::string_view text, Colour colour)>;

struct Graphics {
  // The screen size read once at start-up; the BackBuffer keeps it for the whole run.
  int screenWidth = 0;
  int screenHeight = 0;
  // The window's client size at the last fitting (0 before it): the part of the BackBuffer a
  // frame can show, and so the part PaintField keeps up to date.
  int clientWidth = 0;
  int clientHeight = 0;
  // Device pixels per logical pixel on a high-density screen (1 elsewhere). The surfaces and sheets
  // are made at device pixels; the sizes above and all layout stay logical.
  int pixelRatio = 1;
  // Every frame and owner-drawn item is composed here first, at device pixels.
  Surface backBuffer;
  // Solid COLOR_INK, the source of the translucent layer tint.
  Surface inkSurface;
  // The chosen skin, shrunk into its top-left corner for the field and the thumbnail geometry.
  Surface fieldSheet;
  Surface thumbnailSheet;
  // White inside the thumbnail cube outline, black elsewhere.
  Surface spriteMask;
  TextHook drawText;
};

}  // namespace kelvane
