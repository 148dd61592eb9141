// SPDX-License-Identifier: GPL-3.0-or-later
// How a composed picture leaves the BackBuffer for the screen.
#pragma once

#include <functional>
#include <span>

#include "render/surface.h"

namespace kelvane {

// Called once a picture is composed: copy `areas` of the BackBuffer (device pixels) to the window
// or item being painted, at the same places divided by the pixel ratio. The shell fills it with its
// own painter.
using CopyToScreen = std::function<void(const Surface& backBuffer, std::span<const Rect> areas)>;

}  // namespace kelvane
