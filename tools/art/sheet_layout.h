// SPDX-License-Identifier: GPL-3.0-or-later
// Where the sprites of a skin sheet lie: nine colours in two rows of six cells, each row
// followed by its lighter copy.
#pragma once

namespace kelvane::art {

inline constexpr int kSheetWidth = 1024;
inline constexpr int kSheetHeight = 768;
inline constexpr int kCellPitchX = 160;
inline constexpr int kCellPitchY = 180;
inline constexpr int kSheetColumns = 6;
inline constexpr int kRowGap = kCellPitchY - 172;  // white rows between sprite rows
// Sprites are drawn this far past their outline, so clipped and shrunken copies keep their
// edge colour. Sprites below the first row also reach up into the gap above them: at the scales
// whose shrunken row pitch is not whole the rows are read up to 1.5 pixels too high, and the gap
// then shows the sprite's own edge instead of white.
inline constexpr double kSpriteBleed = 7;

// Top-left corner of the sprite of `colourIndex`, in the lighter copy's row when `lighter`.
inline int CellLeft(int colourIndex) {
  return kCellPitchX * (colourIndex % kSheetColumns);
}
inline int CellTop(int colourIndex, bool lighter) {
  return kCellPitchY * (2 * (colourIndex / kSheetColumns) + (lighter ? 1 : 0));
}
// First sheet row a sprite may colour, relative to its cell's top.
inline int BleedTop(int cellTop) {
  return cellTop > 0 ? -kRowGap : 0;
}

}  // namespace kelvane::art
