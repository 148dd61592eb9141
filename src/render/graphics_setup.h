// SPDX-License-Identifier: GPL-3.0-or-later
// Building the Game's surfaces: at start-up, and again whenever the scale or skin may have changed.
#pragma once

#include "model/game.h"
#include "model/platform.h"

namespace kelvane {

// Makes the screen-sized BackBuffer (at device pixels) and the 936 × 624 InkSurface (filled with
// COLOR_INK) and records the screen size and pixel ratio. Once, at window creation, before
// ApplyScaleAndSkin.
void CreateGraphics(Game& game, int screenWidth, int screenHeight, int pixelRatio = 1);

// Sets the field cube geometry from SCALE, reloads the FieldSheet (shrunk to 128s × 96s unless s
// is 8) and the ThumbnailSheet from SKIN_INDEX (on a high-density screen both re-laid for the
// device-pixel geometries instead), refills the InkSurface with COLOR_INK, then asks
// the platform to fit the window, whose size depends on the geometry.
void ApplyScaleAndSkin(Game& game, Platform& platform);

// Sets the field cube geometry and the FieldSheet for `scale` without fitting the window: SCALE's,
// or a smaller one while SCALE's window does not fit the screen.
void DrawFieldAtScale(Game& game, int scale);

// The ThumbnailSheet of a skin for this Game's screen: shrunk into its corner, or re-laid for the
// device-pixel thumbnail geometry on a high-density screen.
Surface LoadThumbnailSheetFor(const Game& game, int skinIndex);

// The 18 × 21 SpriteMask of the Game's thumbnail geometry: white exactly on the pixels its cube
// outline covers, black elsewhere. Once, after the thumbnail geometry is set.
void BuildSpriteMask(Game& game);

}  // namespace kelvane
