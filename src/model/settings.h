// SPDX-License-Identifier: GPL-3.0-or-later
// The Settings record at the head of the Game; its field names are the settings file's keys.
#pragma once

#include <array>
#include <cstdint>

namespace kelvane {

// Colours hold red in the low byte, then green, then blue, top byte 0.
using Colour = std::uint32_t;

inline constexpr int kPathBufferSize = 260;

struct Settings {
  Colour COLOR_BACK = 0;
  Colour COLOR_INK = 0;
  std::int32_t SHOW_CHECKERS = 0;
  std::int32_t SHOW_HELPERS = 0;
  std::int32_t SKIN_INDEX = 0;
  std::int32_t SCALE = 0;
  // File name, with extension, of the puzzle last started from New game; NUL-terminated.
  std::array<char, kPathBufferSize> PUZZLE{};
};

}  // namespace kelvane
