// SPDX-License-Identifier: GPL-3.0-or-later
// The Game's fixed, NUL-terminated name buffers seen as text.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace kelvane {

// The text of a buffer up to its first NUL (or its end).
template <std::size_t N>
std::string_view BufferText(const std::array<char, N>& buffer) {
  return {buffer.data(), strnlen(buffer.data(), N)};
}

// Stores `text` cut to N - 1 characters and fills the rest with NULs.
template <std::size_t N>
void SetBufferText(std::array<char, N>& buffer, std::string_view text) {
  buffer.fill('\0');
  std::copy_n(text.begin(), std::min(text.size(), N - 1), buffer.begin());
}

}  // namespace kelvane
