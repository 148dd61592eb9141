// SPDX-License-Identifier: GPL-3.0-or-later
// The skin pictures the browser decoded, handed to the core's skin loading.
#pragma once

#include <cstdint>
#include <span>

namespace kelvane {

// Keeps skin picture `number` (1…7) from the page's RGBA bytes; ignored unless it is a whole
// 1024 × 768 sheet.
void KeepSkinSheet(int number, std::span<const std::uint8_t> rgba);

// Whether skin picture `number` (1…7) was kept.
bool HasSkinSheet(int number);

}  // namespace kelvane
