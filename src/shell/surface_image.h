// SPDX-License-Identifier: GPL-3.0-or-later
// Qt images over the renderer's pixel surfaces, sharing their pixels instead of copying them.
#pragma once

#include <QImage>

#include "render/surface.h"

namespace kelvane {

// A read-only view of `surface`; valid while the surface keeps its size.
inline QImage ImageOf(const Surface& surface) {
  return QImage(reinterpret_cast<const uchar*>(surface.pixels.data()), surface.width,
                surface.height, surface.width * static_cast<int>(sizeof(Pixel)),
                QImage::Format_RGB32);
}

// A writable view of `surface`, for drawing into it with a QPainter.
inline QImage WritableImageOf(Surface& surface) {
  return QImage(reinterpret_cast<uchar*>(surface.pixels.data()), surface.width, surface.height,
                surface.width * static_cast<int>(sizeof(Pixel)), QImage::Format_RGB32);
}

inline QRect QRectOf(Rect rect) {
  return {rect.left, rect.top, rect.Width(), rect.Height()};
}

}  // namespace kelvane
