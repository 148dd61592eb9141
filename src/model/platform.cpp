// SPDX-License-Identifier: GPL-3.0-or-later
// The default answers of the Platform's optional calls.
#include "model/platform.h"

#include "model/game.h"

namespace kelvane {

Point Platform::CursorPosition() {
  return {-1, -1};
}

}  // namespace kelvane
