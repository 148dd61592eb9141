// SPDX-License-Identifier: GPL-3.0-or-later
// The skin pictures compiled into the program from resources/skins (generated at build time).
#pragma once

#include <cstdint>
#include <span>

namespace kelvane {

// The PNG bytes of skin picture `number` (1…7); empty when the build found no such file.
std::span<const std::uint8_t> EmbeddedSkinPng(int number);

}  // namespace kelvane
