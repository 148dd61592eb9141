// SPDX-License-Identifier: GPL-3.0-or-later
// The state of the short motions that follow a view turn, a lay, a pick-up and the win; their
// timeline is in motion_timeline.h.
#pragma once

#include <array>
#include <cstdint>

#include "model/cell_grid.h"
#include "model/pieces.h"

namespace kelvane {

struct Motion {
  bool running = false;
  std::int64_t startMs = 0;
  // The quarter turns of Rotate +90 degrees just made (1 or 3), or 0.
  std::int8_t quarterTurns = 0;
  // When each piece's drop starts, after startMs; -1 for a piece that does not drop.
  std::array<std::int16_t, kPieceCount> dropDelayMs{-1, -1, -1, -1, -1, -1, -1};
  // The cells the picked-up pieces stood on, with their values; empty when none lifts.
  CellGrid lifted;
  // The finished figure lights up once the pieces are in, and the win is announced after.
  bool winGlow = false;
  bool winAnnouncementDue = false;
  // The pieces wait for the player to read the answer that revealed them: the clock starts when
  // it is closed.
  bool held = false;
  // Pieces revealed by an answer come from nowhere and fade in; a laid one settles from the
  // place its preview showed.
  bool arriving = false;
};

}  // namespace kelvane
