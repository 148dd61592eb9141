// SPDX-License-Identifier: GPL-3.0-or-later
// The seven built-in skin sheets: which picture an index shows, decoding and loading it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "model/text_template.h"
#include "render/surface.h"

namespace kelvane {

inline constexpr int kSkinCount = 7;
// The names the Options dialog lists, entry i naming SKIN_INDEX i.
inline constexpr std::array<std::string_view, kSkinCount> kSkinNames{
    PLAYER_TEXT("1. Simple"), PLAYER_TEXT("2. Rounded"),  PLAYER_TEXT("3. Smoothed"),
    PLAYER_TEXT("4. Oak"),    PLAYER_TEXT("5. Polished"), PLAYER_TEXT("6. Ashen"),
    PLAYER_TEXT("7. Sharpen")};
// Every sheet is drawn for the scale-8 geometry at this size.
inline constexpr int kSheetWidth = 1024;
inline constexpr int kSheetHeight = 768;
// The thumbnail geometry's share of a sheet: one eighth.
inline constexpr int kThumbnailSheetWidth = kSheetWidth / 8;
inline constexpr int kThumbnailSheetHeight = kSheetHeight / 8;

// The built-in picture (1…7) that SKIN_INDEX shows: 0…6 their own, any other "3. Smoothed".
int SkinNumber(int skinIndex);

// PNG bytes as a sheet; an empty surface unless they decode to a 1024 × 768 picture.
Surface DecodeSkinSheet(std::span<const std::uint8_t> png);

// The skin picture as stored; empty when the program carries no usable picture for it, which
// simply draws nothing. Decoded from the compiled-in PNG bytes on the desktop; in the web build
// the page's shell defines it from the pictures the browser decoded.
Surface LoadSkinBitmap(int skinIndex);

// A freshly loaded skin whose top-left 128 × 96 pixels hold the whole sheet shrunk to one eighth.
Surface LoadThumbnailSheet(int skinIndex);

// A whole sheet prepared for drawing: its top-left 128s × 96s pixels overwritten by the sheet
// shrunk to s eighths (unchanged at s = 8), or 128 × 96 for the thumbnail geometry.
Surface FieldSheetOf(Surface sheet, int scale);
Surface ThumbnailSheetOf(Surface sheet);

}  // namespace kelvane
