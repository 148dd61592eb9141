// SPDX-License-Identifier: GPL-3.0-or-later
// Skin selection and PNG decoding of the built-in sheets.
#include "render/skins.h"

#include <png.h>

#include "render/cube_geometry.h"
#include "render/embedded_skins.h"
#include "render/sprite_outlines.h"

namespace kelvane {

namespace {
constexpr int kFallbackSkinNumber = 3;
}  // namespace

int SkinNumber(int skinIndex) {
  return skinIndex >= 0 && skinIndex < kSkinCount ? skinIndex + 1 : kFallbackSkinNumber;
}

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

Surface LoadThumbnailSheet(int skinIndex) {
  return ThumbnailSheetOf(LoadSkinBitmap(skinIndex));
}

namespace {

// Averaging blurs the sheet's fine outlines below a pixel; they are drawn again at the new size.
void ShrinkForGeometry(Surface& sheet, int width, int height, CubeGeometry g) {
  const OutlineColours outlines = ReadOutlineColours(sheet);
  ShrinkInPlace(sheet, width, height);
  RedrawOutlines(sheet, g, outlines);
}

}  // namespace

Surface FieldSheetOf(Surface sheet, int scale) {
  if (scale != kLargestScale) {
    ShrinkForGeometry(sheet, kSheetWidth * scale / 8, kSheetHeight * scale / 8,
                      FieldGeometry(scale));
  }
  return sheet;
}

Surface ThumbnailSheetOf(Surface sheet) {
  ShrinkForGeometry(sheet, kThumbnailSheetWidth, kThumbnailSheetHeight, kThumbnailGeometry);
  return sheet;
}

}  // namespace kelvane
