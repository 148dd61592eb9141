// How a composed picture leaves the BackBuffer for the screen.
#pragma once

#include <functional>
#include <span>

#include "render/surface.h"

namespace kelvane {

// Called once a picture is composed: copy `areas` of the BackBuffer, at the same coordinates, to
// the window or item being painted. The shell fills it with its own painter.
using CopyToScreen = std::function<void(const Surface& backBuffer, std::span<const Rect> areas)>;

}  // namespace kelvane
