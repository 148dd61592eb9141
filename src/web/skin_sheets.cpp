// SPDX-License-Identifier: GPL-3.0-or-later
// The web build's LoadSkinBitmap: the page fetches and decodes the chosen skin's PNG file and
// hands its pixels over before the core first asks for it.
#include "web/skin_sheets.h"

#include <array>

#include "render/skins.h"

namespace kelvane {

namespace {
std::array<Surface, kSkinCount> sheets;
}  // namespace

void KeepSkinSheet(int number, std::span<const std::uint8_t> rgba) {
  if (number < 1 || number > kSkinCount || rgba.size() != 4u * kSheetWidth * kSheetHeight) {
    return;
  }
  Surface sheet = MakeSurface(kSheetWidth, kSheetHeight, kWhitePixel);
  for (std::size_t i = 0; i < sheet.pixels.size(); ++i) {
    const std::uint8_t* p = &rgba[4 * i];
    // A sheet is opaque whatever alpha its file carried, as on the desktop.
    sheet.pixels[i] = 0xFF000000u | (Pixel{p[0]} << 16) | (Pixel{p[1]} << 8) | Pixel{p[2]};
  }
  sheets[static_cast<std::size_t>(number - 1)] = std::move(sheet);
}

bool HasSkinSheet(int number) {
  return number >= 1 && number <= kSkinCount &&
         !sheets[static_cast<std::size_t>(number - 1)].pixels.empty();
}

Surface LoadSkinBitmap(int skinIndex) {
  return sheets[static_cast<std::size_t>(SkinNumber(skinIndex) - 1)];
}

}  // namespace kelvane
