// SPDX-License-Identifier: GPL-3.0-or-later
// The current layer and the shown layers.
#include "model/layers.h"

#include <algorithm>

#include "model/command_states.h"
#include "model/game.h"

namespace kelvane {

void ChangeLayer(Game& game, Platform& platform, int wheelDelta) {
  const int before = game.currentLayer;
  const int top = GridExtents(game.figure).z - 1;
  // Clamped at 0 too: with an empty Figure a step up must not leave the layer at -1.
  const int after =
      wheelDelta > 0 ? std::max(std::min(before + 1, top), 0) : std::max(before - 1, 0);
  game.currentLayer = after;
  if (after != before) {
    UpdateCommandStates(game, platform);
    platform.Invalidate(true);
  }
}

void ShowUpLayer(Game& game, Platform& platform) {
  if (game.shownLayers < GridExtents(game.figure).z) {
    ++game.shownLayers;
    platform.Invalidate(false);
  }
}

void HideDownLayer(Game& game, Platform& platform) {
  if (game.shownLayers > 1) {
    --game.shownLayers;
    platform.Invalidate(false);
  }
}

}  // namespace kelvane
