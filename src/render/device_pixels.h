// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing at a screen's device pixels: geometries, places and sprite sheets multiplied by the
// screen's whole pixel ratio, while the layout and the hit tests keep counting logical pixels.
#pragma once

#include "model/game.h"
#include "render/layout.h"
#include "render/surface.h"

namespace kelvane {

CubeGeometry ScaledGeometry(CubeGeometry g, int ratio);
Point ScaledPoint(Point p, int ratio);
Rect ScaledRect(Rect r, int ratio);
// Every place of the layout multiplied by the ratio; the figure's extents kept.
ClientLayout ScaledLayout(const ClientLayout& layout, int ratio);

// The skin sheet's 24 sprites re-laid for geometry `g`: each resampled to 2W × H and placed where
// SourceRect looks for it in a sheet of that geometry. A sheet merely shrunk by a ratio would
// drift from the rounded row pitch by a pixel per row at odd scales.
Surface SpriteSheetFor(const Surface& sheet, CubeGeometry g);

// `from` of `source` resampled to width × height: an area average where it shrinks, a linear
// blend where it grows.
Surface Resample(const Surface& source, Rect from, int width, int height);

}  // namespace kelvane
