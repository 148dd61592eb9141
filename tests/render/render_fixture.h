// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the rendering tests: a skin sheet drawn in code and a Game ready to draw.
#pragma once

#include <memory>

#include "model/game.h"
#include "render/surface.h"

namespace kelvane::testing {

enum class Face { Top, Left, Right };

// The colour the test sheet gives a face of cell value v (1…9), normal or lighter shade.
Pixel TestFaceColour(int value, Face face, bool lighter);

// A 1024 × 768 sheet in the skin layout, white background, each sprite a cube outline of the
// scale-8 geometry with three flat faces in TestFaceColour.
const Surface& TestSheet();

// A point well inside `face` of a sprite whose top-left corner is `spriteTopLeft`.
Point FaceSample(CubeGeometry g, Point spriteTopLeft, Face face);

// An initialised Game in play on the default figure with the default colours and switches,
// 1920 × 1080 surfaces, the test sheet at `scale`, the SpriteMask, and a layout origin of 0.
std::unique_ptr<Game> NewDrawingGame(int scale);

}  // namespace kelvane::testing
