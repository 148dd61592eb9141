// Turning the Figure and the Field together a quarter turn about the vertical axis.
#pragma once

#include "model/platform.h"

namespace kelvane {

struct Game;

// Rotate +90 degrees (direction > 0) or -90 degrees (otherwise): both grids turn within the
// Figure's box, so every Field cell stays on the Figure cell it covered; the X and Y extents swap.
// The grid of each piece on the Field becomes its shape as it now lies; other piece grids, the
// current layer and the shown layers keep their values. Repaints.
void RotateView(Game& game, Platform& platform, int direction);

}  // namespace kelvane
