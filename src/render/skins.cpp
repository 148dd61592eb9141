// SPDX-License-Identifier: GPL-3.0-or-later
// Skin selection and the sheets prepared for each geometry.
#include "render/skins.h"

#include "render/cube_geometry.h"
#include "render/sprite_outlines.h"

namespace kelvane {

namespace {
constexpr int kFallbackSkinNumber = 3;
}  // namespace

int SkinNumber(int skinIndex) {
  return skinIndex >= 0 && skinIndex < kSkinCount ? skinIndex + 1 : kFallbackSkinNumber;
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
