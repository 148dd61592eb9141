// Wrapping Surface pixels (0xFFRRGGBB) in a QImage of the same layout.
#include "shell/dialogs/surface_image.h"

namespace kelvane {

QImage ImageOf(const Surface& surface) {
  return QImage(reinterpret_cast<const uchar*>(surface.pixels.data()), surface.width,
                surface.height, surface.width * static_cast<int>(sizeof(Pixel)),
                QImage::Format_RGB32);
}

QColor QColorOf(Colour colour) {
  return QColor::fromRgb(PixelFromColour(colour));
}

Colour ColourOfQColor(const QColor& colour) {
  return ColourFromPixel(colour.rgb());
}

}  // namespace kelvane
