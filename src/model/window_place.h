// SPDX-License-Identifier: GPL-3.0-or-later
// Where the player last left the main window, kept between runs.
#pragma once

#include <optional>

namespace kelvane {

// The top-left corner of the window's frame, in the desktop's coordinates.
struct WindowPlace {
  int left = 0;
  int top = 0;
  friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// None until the window has been placed by the player or by a fitting.
using KeptWindowPlace = std::optional<WindowPlace>;

}  // namespace kelvane
