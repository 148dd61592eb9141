// SPDX-License-Identifier: GPL-3.0-or-later
// The player's options beyond the settings file, kept apart so that file keeps its exact lines.
#pragma once

namespace kelvane {

struct ExtraOptions {
  // After each move in play, show whether the pieces left can still complete the figure.
  bool canStillBeDone = false;
  // Draw each piece's number on the top faces of its cubes, a cue beside colour.
  bool pieceNumbers = false;
  // The time and the moves on the status line.
  bool clockAndMoves = true;
  // New game lists the library from Easy to Expert instead of by name.
  bool libraryByDifficulty = false;
  // Turns, lays, pick-ups and the win move for a moment instead of jumping.
  bool animation = true;
  friend bool operator==(const ExtraOptions&, const ExtraOptions&) = default;
};

}  // namespace kelvane
