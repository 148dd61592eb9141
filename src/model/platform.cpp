// SPDX-License-Identifier: GPL-3.0-or-later
// The default answers of the Platform's optional calls.
#include "model/platform.h"

#include <chrono>

#include "model/game.h"

namespace kelvane {

Point Platform::CursorPosition() {
  return {-1, -1};
}

std::int64_t Platform::Milliseconds() {
  using std::chrono::steady_clock;
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace kelvane
