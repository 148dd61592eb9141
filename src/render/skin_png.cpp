// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in sheets decoded from the PNG bytes compiled into the program (the browser decodes
// its own, so the web build leaves this file out).
#include <png.h>

#include "render/embedded_skins.h"
#include "render/skins.h"

namespace kelvane {

Surface DecodeSkinSheet(std::span<const std::uint8_t> png) {
  if (png.empty()) {
    return {};
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_memory(&image, png.data(), png.size()) == 0) {
    return {};
  }
  if (image.width != kSheetWidth || image.height != kSheetHeight) {
    png_image_free(&image);
    return {};
  }
  // BGRA bytes are 0xAARRGGBB pixels on the little-endian machines we build for.
  image.format = PNG_FORMAT_BGRA;
  Surface sheet = MakeSurface(kSheetWidth, kSheetHeight, kWhitePixel);
  if (png_image_finish_read(&image, nullptr, sheet.pixels.data(), 0, nullptr) == 0) {
    return {};
  }
  for (Pixel& p : sheet.pixels) {
    p |= 0xFF000000u;  // a sheet is opaque whatever alpha its file carried
  }
  return sheet;
}

Surface LoadSkinBitmap(int skinIndex) {
  return DecodeSkinSheet(EmbeddedSkinPng(SkinNumber(skinIndex)));
}

}  // namespace kelvane
