// Showing a core Surface with Qt.
#pragma once

#include <QColor>
#include <QImage>

#include "model/settings.h"
#include "render/surface.h"

namespace kelvane {

// The surface's pixels seen as an image, without a copy; valid while the surface is unchanged.
QImage ImageOf(const Surface& surface);

// A Settings colour (red in the low byte) as a Qt colour.
QColor QColorOf(Colour colour);
Colour ColourOfQColor(const QColor& colour);

}  // namespace kelvane
