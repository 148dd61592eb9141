// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the nine colours of a skin, normal and lighter, into the sheet's sprite cells.
#include "sheet.h"

#include <cmath>

#include "cube_painter.h"

namespace kelvane::art {
namespace {

int ToByte(double v) {
  return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

}  // namespace

QImage RenderSheet(const Skin& skin) {
  QImage sheet(kSheetWidth, kSheetHeight, QImage::Format_RGB888);
  sheet.fill(Qt::white);
  const int width = static_cast<int>(2 * kSheetCube.w);
  const int height = static_cast<int>(kSheetCube.Height());
  for (int index = 0; index < kSkinColours; ++index) {
    for (bool lighter : {false, true}) {
      const CubeLook look{&skin, index, lighter};
      const int left = CellLeft(index), top = CellTop(index, lighter);
      for (int py = BleedTop(top); py < height; ++py) {
        for (int px = 0; px < width; ++px) {
          const SpritePixel p = SpritePixelAt(kSheetCube, look, px, py, kSpriteBleed);
          const Rgb c = Mix({1, 1, 1}, p.colour, p.coverage);
          sheet.setPixel(left + px, top + py, qRgb(ToByte(c.x), ToByte(c.y), ToByte(c.z)));
        }
      }
    }
  }
  return sheet;
}

}  // namespace kelvane::art
