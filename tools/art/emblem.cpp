// SPDX-License-Identifier: GPL-3.0-or-later
// Draws a 2 x 2 x 2 block with its front corner cube missing, in the default skin, sampled
// per point so cubes meet without seams; the logo adds the name beside it.
#include "emblem.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <vector>

#include "cube_painter.h"
#include "supersampling.h"

namespace kelvane::art {
namespace {

struct BlockCube {
  int x, y, z, colourIndex;
};

// Back to front, as the game draws: z, then y, then x ascending.
const std::vector<BlockCube> kBlock = {
    {0, 0, 0, 1}, {1, 0, 0, 1}, {0, 1, 0, 6}, {1, 1, 0, 3},
    {0, 0, 1, 4}, {1, 0, 1, 1}, {0, 1, 1, 6},
};

constexpr int kEmblemSkin = 1;  // "2. Rounded", the default skin
constexpr int kLargestSmallIcon = 24;

// Cube size whose 2 x 2 x 2 block is `height` pixels high.
CubeSize BlockCubeSize(double height) {
  const double w = height / (4 * kSheetCube.r / kSheetCube.w + 2 * kSheetCube.e / kSheetCube.w);
  return {w, w * kSheetCube.r / kSheetCube.w, w * kSheetCube.e / kSheetCube.w};
}

// Where the block is drawn: the sprite of cell (x, y, z) has its top-left corner at
// (ox + (x - y - 1) w, oy + (x + y) r - z e).
struct BlockPlacement {
  CubeSize size;
  double ox, oy;
  double rim;  // width of each cube's dark rim, at least most of a pixel so small sizes stay crisp
};

// The colour of the frontmost cube at (x, y); false where no cube is.
bool BlockSample(const BlockPlacement& at, double x, double y, Rgb& colour) {
  const Skin& skin = Skins()[kEmblemSkin];
  for (auto cube = kBlock.rbegin(); cube != kBlock.rend(); ++cube) {
    const double sx = x - (at.ox + (cube->x - cube->y - 1) * at.size.w);
    const double sy = y - (at.oy + (cube->x + cube->y) * at.size.r - cube->z * at.size.e);
    const double inside = OutlineDistance(at.size, sx, sy);
    if (inside >= 0) {
      colour = CubeSampleColour(at.size, {&skin, cube->colourIndex, false}, sx, sy);
      if (inside < at.rim) {
        colour = colour * 0.3;
      }
      return true;
    }
  }
  return false;
}

// Draws the block `height` pixels high with its bounding box starting at (left, top).
void DrawBlock(QImage& image, double left, double top, double height) {
  const CubeSize size = BlockCubeSize(height);
  const BlockPlacement at{size, left + 2 * size.w, top + size.e, std::max(0.8, size.w / 20)};
  const int x0 = std::max(0, static_cast<int>(std::floor(left)));
  const int y0 = std::max(0, static_cast<int>(std::floor(top)));
  const int x1 = std::min(image.width(), static_cast<int>(std::ceil(left + 4 * size.w)));
  const int y1 = std::min(image.height(), static_cast<int>(std::ceil(top + height)));
  for (int py = y0; py < y1; ++py) {
    for (int px = x0; px < x1; ++px) {
      Rgb sum;
      int covered = 0;
      for (int j = 0; j < kSamplesPerAxis; ++j) {
        for (int i = 0; i < kSamplesPerAxis; ++i) {
          Rgb c;
          if (BlockSample(at, px + SampleOffset(i), py + SampleOffset(j), c)) {
            sum = sum + c;
            ++covered;
          }
        }
      }
      if (covered == 0) {
        continue;
      }
      const Rgb c = sum * (1.0 / covered);
      const double alpha = static_cast<double>(covered) / (kSamplesPerAxis * kSamplesPerAxis);
      image.setPixelColor(px, py,
                          QColor::fromRgbF(static_cast<float>(c.x), static_cast<float>(c.y),
                                           static_cast<float>(c.z), static_cast<float>(alpha)));
    }
  }
}

QColor Flat(int colourIndex, double light) {
  const Rgb c = Skins()[kEmblemSkin].colours[colourIndex] * light;
  return QColor::fromRgbF(static_cast<float>(c.x), static_cast<float>(c.y),
                          static_cast<float>(c.z));
}

// Panel sizes cannot carry seven shaded cubes: one cube on the pixel grid, its three faces in the
// colours the block shows outside (green top, blue left, red right), outlined a pixel wide.
QImage RenderSmallIcon(int size) {
  QImage icon(size, size, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  const int w = size / 2 - 1, r = (w + 1) / 2, e = std::min(w, size - 1 - 2 * r);
  const int left = (size - 2 * w) / 2, top = (size - 2 * r - e) / 2;
  const QPoint back(left + w, top), right(left + 2 * w, top + r), front(left + w, top + 2 * r),
      leftCorner(left, top + r), rightBottom(left + 2 * w, top + r + e),
      bottom(left + w, top + 2 * r + e), leftBottom(left, top + r + e);
  QPainter painter(&icon);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Flat(4, 1.0));
  painter.drawPolygon(QPolygon({back, right, front, leftCorner}));
  painter.setBrush(Flat(6, 0.85));
  painter.drawPolygon(QPolygon({leftCorner, front, bottom, leftBottom}));
  painter.setBrush(Flat(1, 0.75));
  painter.drawPolygon(QPolygon({front, right, rightBottom, bottom}));
  painter.setPen(QPen(QColor(24, 26, 38), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolygon(QPolygon({back, right, rightBottom, bottom, leftBottom, leftCorner}));
  painter.drawPolyline(QPolygon({leftCorner, front, right}));
  painter.drawLine(front, bottom);
  return icon;
}

}  // namespace

QImage RenderIcon(int size) {
  if (size <= kLargestSmallIcon) {
    return RenderSmallIcon(size);
  }
  QImage icon(size, size, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  const double margin = size / 32.0;
  const double height = size - 2 * margin;
  const double width = 4 * BlockCubeSize(height).w;
  DrawBlock(icon, (size - width) / 2, margin, height);
  return icon;
}

QImage RenderAboutLogo() {
  QImage logo(203, 61, QImage::Format_ARGB32);
  logo.fill(Qt::transparent);
  const double blockHeight = 53;
  DrawBlock(logo, 4, 4, blockHeight);
  const double textLeft = 4 + 4 * BlockCubeSize(blockHeight).w + 8;

  QPainter painter(&logo);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setRenderHint(QPainter::Antialiasing);
  QFont font("P052");
  font.setBold(true);
  font.setPixelSize(44);
  const QString name = "Kelvane";
  // Shrink the type until the name fits beside the block.
  while (QFontMetricsF(font).horizontalAdvance(name) > logo.width() - textLeft - 4) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  painter.setFont(font);
  const QFontMetricsF metrics(font);
  const double baseline = (logo.height() + metrics.capHeight()) / 2;
  painter.setPen(QColor(30, 44, 84));
  painter.drawText(QPointF(textLeft, baseline), name);
  return logo;
}

}  // namespace kelvane::art
