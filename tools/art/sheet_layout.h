// Where the sprites of a skin sheet lie: nine colours in two rows of six cells, each row
// followed by its lighter copy.
#pragma once

namespace kelvane::art {

inline constexpr int kSheetWidth = 1024;
inline constexpr int kSheetHeight = 768;
inline constexpr int kCellPitchX = 160;
inline constexpr int kCellPitchY = 180;
inline constexpr int kSheetColumns = 6;
// Sprites drawn past the outline, so clipped and shrunken copies keep their edge colour.
inline constexpr double kSpriteBleed = 6;

// Top-left corner of the sprite of `colourIndex`, in the lighter copy's row when `lighter`.
inline int CellLeft(int colourIndex) {
  return kCellPitchX * (colourIndex % kSheetColumns);
}
inline int CellTop(int colourIndex, bool lighter) {
  return kCellPitchY * (2 * (colourIndex / kSheetColumns) + (lighter ? 1 : 0));
}

}  // namespace kelvane::art
